// Who may be notified on paper: legal entities deal with the administration electronically.

#include "forms/Notifications.h"

#include <gtest/gtest.h>

using namespace forms;

TEST(Notifications, LegalEntitiesAreOfferedElectronicMeansOnly)
{
    // Companies, associations, public bodies...: a letter other than K, L, M, X, Y, Z first.
    for (std::string_view nif : {"B12345678", "A08000000", "G65432109", "P0800000B", "Q0818001J", " b12345678"})
        EXPECT_TRUE(isLegalEntityNif(nif)) << nif;
    // People: a DNI, an NIE, the K, L and M NIFs, or nothing given.
    for (std::string_view nif :
         {"12345678Z", "X1234567L", "Y1234567X", "Z1234567R", "K1234567L", "L1234567A", "M1234567B", "", "  ", "<NIF>"})
        EXPECT_FALSE(isLegalEntityNif(nif)) << nif;

    ASSERT_EQ(notificationChoices("B12345678").size(), 1u);
    EXPECT_EQ(notificationChoices("B12345678").front(), "per mitjans electrònics");
    ASSERT_EQ(notificationChoices("12345678Z").size(), 2u);
    EXPECT_EQ(notificationChoices("").front(), "per mitjans electrònics"); // the default stays first
    EXPECT_EQ(notificationChoices("").back(), "en paper, al domicili indicat");
}
