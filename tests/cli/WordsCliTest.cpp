// plecta-cli ordinal and amount: four lines and one line on standard output, a one-line refusal
// with status 2 otherwise.

#include "CliRunner.h"

TEST_F(CliTest, OrdinalPrintsFourForms)
{
    EXPECT_EQ(run({"ordinal", "21"}).out, "vint-i-unena\nvint-i-unè\n21a\n21è\n");
    EXPECT_EQ(run({"ordinal", "3"}).out, "tercera\ntercer\n3a\n3r\n");
    EXPECT_EQ(run({"ordinal", "0002000"}).out, "dos milena\ndos milè\n2000a\n2000è\n");
    EXPECT_EQ(run({"ordinal", "5", "--encoding", "cp1252"}).out, "cinquena\ncinqu\xE8\n5a\n5\xE8\n");

    EXPECT_TRUE(refused(run({"ordinal", "0"}), "d'1 a 999999"));
    EXPECT_TRUE(refused(run({"ordinal", "1000000"}), "d'1 a 999999"));
    EXPECT_TRUE(refused(run({"ordinal", "99999999999999999999"}), "d'1 a 999999"));
    EXPECT_TRUE(refused(run({"ordinal", "1.000"}), "no és un número"));
    EXPECT_TRUE(refused(run({"ordinal", ""}), "no és un número"));
}

TEST_F(CliTest, AmountPrintsTheWords)
{
    const CliRun words = run({"amount", "1.234,56"});
    EXPECT_EQ(words.status, 0);
    EXPECT_EQ(words.out, "mil dos-cents trenta-quatre euros amb cinquanta-sis cèntims\n");
    EXPECT_EQ(run({"amount", "2.000.000,50"}).out, "dos milions d'euros amb cinquanta cèntims\n");
    EXPECT_EQ(run({"amount", "0,01", "--encoding", "cp1252"}).out, "un c\xE8ntim\n");

    EXPECT_TRUE(refused(run({"amount", "12.34"}), "no és un import"));
    EXPECT_TRUE(refused(run({"amount", "100.000.000"}), "import massa gran"));
    EXPECT_TRUE(refused(run({"amount"}), "falta"));
}
