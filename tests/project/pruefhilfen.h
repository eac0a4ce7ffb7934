#pragma once

// Readable failure messages for the optional results of the project code.

#include "project/dateifehler.h"

#include <QTest>

#include <optional>

template<>
inline char *QTest::toString(const std::optional<QString> &text)
{
    return text ? QTest::toString(*text) : qstrdup("nullopt");
}

template<>
inline char *QTest::toString(const std::optional<ventoris::DateiFehler> &fehler)
{
    return fehler ? QTest::toString(fehler->meldung()) : qstrdup("nullopt");
}
