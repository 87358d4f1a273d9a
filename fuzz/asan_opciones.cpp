// SPDX-FileCopyrightText: 2026 Tiendal developers
// SPDX-License-Identifier: GPL-3.0-or-later
// AddressSanitizer's settings for the fuzz targets. Freed blocks wait in a quarantine of 16 MB
// rather than 256 MB before they are used again: the inputs are small, a long run lasts tens of
// millions of them, and with the larger quarantine the memory handed out was always cold (page
// faults on every input of the prices target) and the resident size crept towards libFuzzer's
// 2 GB limit.
extern "C" const char* __asan_default_options() { return "quarantine_size_mb=16"; }
