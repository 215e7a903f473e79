// The hhmm times of the files and the minutes kept in memory.
#include "core/Heures.h"

#include <gtest/gtest.h>

using namespace kelmo;

TEST(Heures, ConversionsBetweenHhmmAndMinutes)
{
    struct {
        double hhmm, minutes;
    } versMinutes[] = {{830, 510}, {0, 0}, {959, 599}, {1275, 795}, {-30, 10}};
    for (auto c : versMinutes)
        EXPECT_DOUBLE_EQ(HeureEnMinutes(c.hhmm), c.minutes) << c.hhmm;
    EXPECT_DOUBLE_EQ(ChaineHeureEnMinutes(QStringLiteral("0830")), 510);
    EXPECT_DOUBLE_EQ(ChaineHeureEnMinutes(QStringLiteral("830")), 4980);
    struct {
        double minutes, hhmm;
    } versHeures[] = {{510, 830}, {59, 59}, {60, 100}, {-90, -130}, {75.5, 115.5}, {0, 0}, {1439, 2359}};
    for (auto c : versHeures)
        EXPECT_DOUBLE_EQ(MinutesEnHeure(c.minutes), c.hhmm) << c.minutes;
}
