#pragma once

#include <QtGlobal>

// The numbers the platform gives to failures of file access and of collections, so a client
// that tests for them finds the ones it knows.
namespace qrx::ctb::erros {
inline constexpr qint32 ArgumentoInvalido = 5;   // also: no element under that key
inline constexpr qint32 ForaDosLimites = 9;      // no element at that position
inline constexpr qint32 CanalInvalido = 52;      // the file is not open
inline constexpr qint32 ModoInvalido = 54;       // open, but not for writing
inline constexpr qint32 RegistoInvalido = 63;    // a position before the start of the file
inline constexpr qint32 AcessoFicheiro = 75;
inline constexpr qint32 CaminhoNaoEncontrado = 76;
inline constexpr qint32 ChaveRepetida = 457;
} // namespace qrx::ctb::erros
