#pragma once
// A numeric comparison that names the value, the reference and the tolerance.

#include <QtTest>

#include <cmath>

// Fails the test (returning from the calling function) unless |got - want| <= tol.
#define CHECK_NEAR(got, want, tol)                                                                                     \
    QVERIFY2(std::fabs((got) - (want)) <= (tol), qPrintable(QStringLiteral(#got " = %1, want %2 +- %3")                \
                                                                .arg(double(got), 0, 'g', 12)                          \
                                                                .arg(double(want), 0, 'g', 12)                         \
                                                                .arg(double(tol))))
