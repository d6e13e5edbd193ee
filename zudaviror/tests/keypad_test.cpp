#include "fakes.h"

#include "suite/latin1.h"
#include "zudaviror/keypad.h"
#include "zudaviror/keypad_state.h"
#include "zudaviror/messages.h"

#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

namespace zudaviror {
namespace {

class KeypadTest : public ::testing::Test, protected testing::LogHarness {
  protected:
    KeypadTest() : LogHarness({.year = 2026, .month = 12, .day = 8, .hour = 9, .minute = 30, .second = 0}) {}

    void press(const std::vector<std::string>& names) {
        for (const auto& name : names) {
            ASSERT_TRUE(keypad.pressKey(name)) << name << " after " << keypad.formula();
        }
    }

    void type(std::string_view formula) {
        for (const char code : formula) {
            const SymbolKey* key = findSymbolKeyForCode(code);
            ASSERT_NE(key, nullptr) << code;
            ASSERT_TRUE(keypad.pressKey(key->name)) << key->name << " after " << keypad.formula();
        }
    }

    std::vector<int> enabledSymbolKeys() const {
        std::vector<int> ids;
        for (const SymbolKey& key : kSymbolKeys) {
            if (keypad.isKeyEnabled(key.id)) {
                ids.push_back(key.id);
            }
        }
        return ids;
    }

    Keypad keypad{log, notifier};
};

TEST_F(KeypadTest, OpensWithAnEmptyFormulaInStateOne) {
    EXPECT_EQ(keypad.formula(), "");
    EXPECT_EQ(keypad.state(), 1);
    EXPECT_FALSE(keypad.isKeyEnabled(KeyId::ATRAS));
    EXPECT_FALSE(keypad.isKeyEnabled(KeyId::BORRAR));
    EXPECT_FALSE(keypad.isKeyEnabled(KeyId::TRADUCIR));
    EXPECT_EQ(enabledSymbolKeys(), (std::vector<int>{1003, 1004, 1005, 1007, 1006, 1008, 1021, 1023, 1022,
                                                     1024, 1015, 1014, 1020, 1012}));
    EXPECT_EQ(keypad.stepDisplayCaption(), "MOSTRAR T.");
    EXPECT_EQ(keypad.formulaFontHeight(), 32);
}

TEST_F(KeypadTest, EachKeyAppendsItsCode) {
    press({"NECESIDAD", "POSIBILIDAD", "NEGADO", "ABIERTO", "F1", "CONJUNCION", "ABIERTO", "FALSO",
           "DISYUNCION", "F2", "CERRADO", "CERRADO", "CONDICIONAL", "ABIERTO", "F3", "BICONDICIONAL", "F4",
           "CERRADO"});
    EXPECT_EQ(keypad.formula(), "!\"#(%+(*,$))-(;.')");
    EXPECT_EQ(keypad.state(), 2);
}

TEST_F(KeypadTest, OnlyTheKeysOfTheStateAreEnabled) {
    press({"p"});
    EXPECT_EQ(enabledSymbolKeys(), (std::vector<int>{1018, 1019, 1016, 1017}));
    EXPECT_TRUE(keypad.isKeyEnabled(KeyId::TRADUCIR));
    press({"CONJUNCION", "q"});
    EXPECT_TRUE(enabledSymbolKeys().empty());
    EXPECT_TRUE(keypad.isKeyEnabled(KeyId::TRADUCIR));
    keypad.clearFormula();
    press({"ABIERTO", "p", "CONJUNCION", "q"});
    EXPECT_EQ(enabledSymbolKeys(), (std::vector<int>{1013}));
    EXPECT_FALSE(keypad.isKeyEnabled(KeyId::TRADUCIR));
}

TEST_F(KeypadTest, DisabledAndUnknownKeysChangeNothing) {
    EXPECT_FALSE(keypad.pressKey("CERRADO"));
    EXPECT_FALSE(keypad.pressKey("CONJUNCION"));
    EXPECT_FALSE(keypad.pressKey("ATRAS"));
    EXPECT_FALSE(keypad.pressKey("TRADUCIR"));
    EXPECT_FALSE(keypad.pressKey("x"));
    EXPECT_FALSE(keypad.pressKey(""));
    EXPECT_EQ(keypad.formula(), "");
    press({"p"});
    EXPECT_FALSE(keypad.pressKey("q"));
    EXPECT_EQ(keypad.formula(), "p");
}

TEST_F(KeypadTest, AtrasRemovesTheLastCodeAndEmptiesResultAndSteps) {
    keypad.toggleStepDisplay();
    type("p+q");
    ASSERT_EQ(keypad.translateCommand(), TranslateCommandResult::Translated);
    ASSERT_FALSE(keypad.steps().empty());
    press({"ATRAS"});
    EXPECT_EQ(keypad.formula(), "p+");
    EXPECT_EQ(keypad.state(), 1);
    EXPECT_EQ(keypad.result(), "");
    EXPECT_EQ(keypad.steps(), "");
    press({"ATRAS", "ATRAS"});
    EXPECT_EQ(keypad.formula(), "");
    EXPECT_FALSE(keypad.isKeyEnabled(KeyId::ATRAS));
    EXPECT_FALSE(keypad.isKeyEnabled(KeyId::BORRAR));
}

TEST_F(KeypadTest, ASymbolKeyEmptiesTheStepsButKeepsTheResult) {
    keypad.toggleStepDisplay();
    type("p");
    ASSERT_EQ(keypad.translateCommand(), TranslateCommandResult::Translated);
    press({"CONJUNCION"});
    EXPECT_EQ(keypad.result(), "Pu");
    EXPECT_EQ(keypad.steps(), "");
}

TEST_F(KeypadTest, TheThirtySixthCodeShrinksTheFormulaFont) {
    type(std::string(35, '#'));
    EXPECT_EQ(keypad.formulaFontHeight(), 32);
    type("#");
    EXPECT_EQ(keypad.formulaFontHeight(), 21);
    press({"ATRAS"});
    EXPECT_EQ(keypad.formulaFontHeight(), 32);
}

TEST_F(KeypadTest, BorrarEmptiesEverythingButLeavesTheFont) {
    type(std::string(40, '#') + "p");
    ASSERT_EQ(keypad.translateCommand(), TranslateCommandResult::Refused);
    keypad.clearFormula();
    EXPECT_EQ(keypad.formula(), "");
    EXPECT_EQ(keypad.result(), "");
    EXPECT_EQ(keypad.steps(), "");
    EXPECT_EQ(keypad.state(), 1);
    EXPECT_FALSE(keypad.isKeyEnabled(KeyId::ATRAS));
    EXPECT_FALSE(keypad.isKeyEnabled(KeyId::BORRAR));
    EXPECT_EQ(keypad.formulaFontHeight(), 21);
}

TEST_F(KeypadTest, AFullFormulaTakesNoFurtherCode) {
    type(std::string(254, '!'));
    EXPECT_FALSE(enabledSymbolKeys().empty());
    type("!");
    EXPECT_EQ(keypad.formula().size(), 255u);
    EXPECT_TRUE(enabledSymbolKeys().empty());
    EXPECT_FALSE(keypad.pressKey("p"));
    EXPECT_EQ(keypad.formula().size(), 255u);
    press({"ATRAS"});
    EXPECT_TRUE(keypad.pressKey("p"));
}

TEST_F(KeypadTest, TranslateShowsTheResultAndStepsOnlyWhenAsked) {
    EXPECT_EQ(keypad.translateCommand(), TranslateCommandResult::NotAvailable);
    type("!p");
    ASSERT_EQ(keypad.translateCommand(), TranslateCommandResult::Translated);
    EXPECT_EQ(keypad.result(), "^v(Suv-Pv)");
    EXPECT_EQ(keypad.steps(), "");
    keypad.toggleStepDisplay();
    EXPECT_EQ(keypad.stepDisplayCaption(), "OCULTAR T.");
    ASSERT_EQ(keypad.translateCommand(), TranslateCommandResult::Translated);
    EXPECT_EQ(keypad.steps(), "\t _ ^v(Suv-(p))\n\t _ ^v(Suv-TRANS/(p))\n\t _ ^v(Suv-TRANS/(p)[u])\n"
                              "\t _ ^v(Suv-TRANS/(p)[v])\n\t _ ^v(Suv-Pv)");
    EXPECT_EQ(keypad.formula(), "!p");
    EXPECT_EQ(keypad.state(), 5);
    keypad.toggleStepDisplay();
    EXPECT_EQ(keypad.steps(), "");
    EXPECT_EQ(keypad.stepDisplayCaption(), "MOSTRAR T.");
    EXPECT_EQ(keypad.result(), "^v(Suv-Pv)");
}

TEST_F(KeypadTest, AFormulaBeyondTheLimitsIsRefusedWithAMessageAndNotLogged) {
    chooser.choice = "/log.txt";
    log.toggleLogSession();
    const std::string header = appender.files["/log.txt"];
    std::string twelveLeaves = "p";
    for (int i = 0; i < 10; ++i) {
        twelveLeaves = "(" + twelveLeaves + "+p)";
    }
    type(twelveLeaves + "+p");
    EXPECT_EQ(keypad.translateCommand(), TranslateCommandResult::Refused);
    EXPECT_EQ(keypad.result(), "");
    ASSERT_EQ(notifier.messages.size(), 1u);
    EXPECT_EQ(notifier.messages[0], messages::tooManyLeaves(12, 11));
    EXPECT_EQ(appender.files["/log.txt"], header);
}

TEST_F(KeypadTest, ARefusedFormulaLeavesTheBoxesAsTheyWere) {
    type("p");
    ASSERT_EQ(keypad.translateCommand(), TranslateCommandResult::Translated);
    type("+" + std::string(29, '#') + "p");
    EXPECT_EQ(keypad.translateCommand(), TranslateCommandResult::Refused);
    EXPECT_EQ(keypad.result(), "Pu");
    EXPECT_EQ(keypad.formula(), "p+" + std::string(29, '#') + "p");
    EXPECT_EQ(keypad.state(), 2);
    ASSERT_EQ(notifier.messages.size(), 1u);
    EXPECT_EQ(notifier.messages[0], messages::leafTooLong(29, 28));
}

TEST_F(KeypadTest, TranslationsAreLoggedOnlyWhileASessionIsOpen) {
    type("p");
    keypad.translateCommand();
    EXPECT_TRUE(appender.files.empty());
    chooser.choice = "/log.txt";
    log.toggleLogSession();
    const std::size_t afterHeader = appender.files["/log.txt"].size();
    keypad.translateCommand();
    const std::string& file = appender.files["/log.txt"];
    EXPECT_TRUE(file.ends_with(suite::latin1FromUtf8("\n\t _ Fórmula MULTIVARIADA TRANS/(K) } Pu")));
    EXPECT_EQ(file.find("PASOS INTERMEDIOS"), std::string::npos);
    keypad.toggleStepDisplay();
    keypad.translateCommand();
    EXPECT_TRUE(file.ends_with("\n\n\t _ PASOS INTERMEDIOS : \n\t _ TRANS/(p)\n\t _ TRANS/(p)[u]\n\t _ Pu"));
    log.toggleLogSession();
    const std::size_t beforeClosedTranslation = file.size();
    keypad.translateCommand();
    EXPECT_EQ(file.size(), beforeClosedTranslation);
    EXPECT_GT(beforeClosedTranslation, afterHeader);
}

// Random walks over the enabled keys: the keypad never reaches a formula it would not
// itself accept, and TRADUCIR is enabled exactly for the formulas it can produce.
TEST_F(KeypadTest, RandomKeyingStaysWithinTheKeypadLanguage) {
    std::mt19937 random(42);
    std::vector<std::string> names;
    for (const SymbolKey& key : kSymbolKeys) {
        names.emplace_back(key.name);
    }
    names.emplace_back("ATRAS");
    for (int step = 0; step < 20000; ++step) {
        const std::string& name =
            names[std::uniform_int_distribution<std::size_t>(0, names.size() - 1)(random)];
        keypad.pressKey(name);
        ASSERT_EQ(checkKeyedFormula(keypad.formula()).refusedAt, keypad.formula().size()) << keypad.formula();
        ASSERT_EQ(keypad.isKeyEnabled(KeyId::TRADUCIR), keypadCanProduce(keypad.formula()))
            << keypad.formula();
        if (keypad.formula().size() > 60) {
            keypad.clearFormula();
        }
    }
}

} // namespace
} // namespace zudaviror
