// SPDX-FileCopyrightText: 2026 Tiendal developers
// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef TIENDAL_CORE_VOCES_H
#define TIENDAL_CORE_VOCES_H

#include <QString>
#include <vector>

#include "core/practica.h"

namespace tiendal {

// The sounds a data folder holds besides one per product. The program names them here when it
// plays them, the data checker looks for these, and the voice generator speaks these texts
// (tiendal-datos --textos-voces).
inline const QString kSonidoLista = QStringLiteral("lista.wav");
inline const QString kSonidoComa = QStringLiteral("coma.wav");
inline const QString kSonidoIgual = QStringLiteral("igual.wav");
inline const QString kSonidoError = QStringLiteral("error.wav");
inline const QString kSonidoAplauso = QStringLiteral("Aplauso.wav");

// The instructions of an exercise type, as the window shows them and its announcement says
// them.
QString InstruccionesDelTipo(TipoDeEjercicio tipo);
// The announcement of an exercise type: "tipo<n>.wav", n its number.
QString SonidoDelTipo(TipoDeEjercicio tipo);
// The sound of a figure 0..9.
QString SonidoDeCifra(int cifra);

struct SonidoFijo {
  QString archivo;
  QString texto;  // what the recording says; empty for the error tone and the applause
};

// Every fixed sound, in the order the voice generator makes them.
std::vector<SonidoFijo> SonidosFijos();

}  // namespace tiendal

#endif
