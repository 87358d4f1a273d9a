#ifndef TIENDAL_ROBUSTEZ_WAV_H
#define TIENDAL_ROBUSTEZ_WAV_H

#include <QByteArray>

namespace tiendal::robustez {

// A mono 8-bit PCM WAV file of the given length at 8000 Hz: a quiet square wave.
QByteArray Wav(int milisegundos);

}  // namespace tiendal::robustez

#endif
