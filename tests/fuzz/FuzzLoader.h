#pragma once

#include "base/AppError.h"

#include <QByteArray>

#include <cstddef>
#include <cstdint>

// Runs one loader on the bytes libFuzzer made up. An AppError is the loader's
// documented answer to bad data and carries the text the user sees, so it ends
// the run quietly; any other exception escapes, terminates the process and is
// reported by libFuzzer as a fault, together with what the sanitizers find.
template <typename Load>
int runLoader(const std::uint8_t* data, std::size_t size, Load load)
{
    // fromRawData does not copy: a read past the end of the input is a read past
    // the end of libFuzzer's own buffer, which AddressSanitizer catches.
    const QByteArray bytes = QByteArray::fromRawData(reinterpret_cast<const char*>(data), qsizetype(size));
    try {
        load(bytes);
    } catch (const AppError&) {
    }
    return 0;
}
