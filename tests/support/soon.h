// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Waiting for what the event loop brings (a timer, a watcher, a window closing later). Qt's QTRY_
// macros report to a Qt test run, not to GoogleTest, so a wait that timed out there passed
// silently: these wait, then check as any other expectation does.
#include <gtest/gtest.h>

#include <QTest>

#define EXPECT_EQ_SOON_WITHIN(actual, expected, milliseconds)                     \
  do {                                                                            \
    (void)QTest::qWaitFor([&] { return bool((actual) == (expected)); }, milliseconds); \
    EXPECT_EQ(actual, expected);                                                  \
  } while (0)

#define EXPECT_EQ_SOON(actual, expected) EXPECT_EQ_SOON_WITHIN(actual, expected, 5000)

#define EXPECT_TRUE_SOON(condition) EXPECT_EQ_SOON(bool(condition), true)
