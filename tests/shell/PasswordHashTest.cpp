#include "shell/PasswordHash.h"

#include <gtest/gtest.h>

using namespace vorn;

namespace {

TEST(PasswordHash, DigestIsSaltedAndVerifies)
{
    const QString a = HashPassword(QStringLiteral("tajne"));
    const QString b = HashPassword(QStringLiteral("tajne"));
    EXPECT_TRUE(IsPasswordDigest(a));
    EXPECT_NE(a, b); // a new salt every time
    EXPECT_FALSE(a.contains(QStringLiteral("tajne")));
    EXPECT_EQ(VerifyPassword(a, QStringLiteral("tajne")).matches, true);
    EXPECT_EQ(VerifyPassword(a, QStringLiteral("tajne")).needsRehash, false);
    EXPECT_FALSE(VerifyPassword(a, QStringLiteral("Tajne")).matches);
    EXPECT_FALSE(VerifyPassword(a, QString()).matches);
}

TEST(PasswordHash, PlainTextAcceptedOnceForRehash)
{
    struct
    {
        QString stored, typed;
        bool matches;
    } cases[] = {
        {"abc", "abc", true}, {"abc ", "abc", true}, {"abc", "abd", false}, {"", "", true}};
    for (const auto& c : cases) {
        const auto check = VerifyPassword(c.stored, c.typed);
        EXPECT_EQ(check.matches, c.matches) << c.stored.toStdString();
        EXPECT_TRUE(check.needsRehash);
    }
}

TEST(PasswordHash, DamagedDigestNeverMatches)
{
    for (const QString& s :
         {QStringLiteral("pbkdf2-sha256$x$aa$bb"), QStringLiteral("pbkdf2-sha256$5"),
          QStringLiteral("pbkdf2-sha256$0$aa$bb")})
        EXPECT_FALSE(VerifyPassword(s, QString()).matches) << s.toStdString();
}

} // namespace
