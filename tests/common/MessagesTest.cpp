#include "common/Messages.h"
#include "common/Errors.h"
#include "support/ScriptedMessages.h"

#include <gtest/gtest.h>

using namespace vorn;
using vorn::test::ScriptedMessages;

namespace {

TEST(Messages, CaptionsAndCodePrefix)
{
    ScriptedMessages m;
    m.error(QStringLiteral("Tekst"), QStringLiteral("AD_0010"));
    m.error(QStringLiteral("Bez kodu"));
    m.warning(QStringLiteral("W"));
    m.information(QStringLiteral("I"));
    m.answer(false);
    EXPECT_FALSE(m.question(QStringLiteral("Q?"), DefaultAnswer::No));
    const auto& all = m.messages();
    ASSERT_EQ(all.size(), 5);
    EXPECT_EQ(all[0].caption, QStringLiteral("Błąd"));
    EXPECT_EQ(all[0].text, QStringLiteral("BŁĄD NR AD_0010.\n\r\n\rTekst"));
    EXPECT_EQ(all[1].text, QStringLiteral("Bez kodu"));
    EXPECT_EQ(all[2].caption, QStringLiteral("Ostrzeżenie"));
    EXPECT_EQ(all[3].caption, QStringLiteral("Komunikat"));
    EXPECT_EQ(all[4].caption, QStringLiteral("Potwierdzenie"));
    EXPECT_EQ(all[4].defaultAnswer, DefaultAnswer::No);
}

TEST(Messages, FailureShownWithItsCode)
{
    ScriptedMessages m;
    try {
        throw DataError(QStringLiteral("Nie można"), QStringLiteral("AD_0029"));
    } catch (const VornError& e) {
        m.error(e);
    }
    ASSERT_EQ(m.messages().size(), 1);
    EXPECT_EQ(m.messages()[0].text, QStringLiteral("BŁĄD NR AD_0029.\n\r\n\rNie można"));
}

} // namespace
