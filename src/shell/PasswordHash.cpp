#include "shell/PasswordHash.h"

#include <QByteArray>
#include <QMessageAuthenticationCode>
#include <QRandomGenerator>
#include <QStringList>

namespace vorn {

namespace {

const QString kPrefix = QStringLiteral("pbkdf2-sha256");
constexpr int kIterations = 60000;
constexpr int kDigestLength = 32;

QByteArray pbkdf2(const QByteArray& password, const QByteArray& salt, int iterations)
{
    QMessageAuthenticationCode mac(QCryptographicHash::Sha256, password);
    QByteArray block = salt;
    block.append(char(0)).append(char(0)).append(char(0)).append(char(1));
    mac.addData(block);
    QByteArray u = mac.result();
    QByteArray out = u;
    for (int i = 1; i < iterations; ++i) {
        mac.reset();
        mac.addData(u);
        u = mac.result();
        for (int j = 0; j < out.size(); ++j)
            out[j] = char(out[j] ^ u[j]);
    }
    return out.left(kDigestLength);
}

// Compares without stopping at the first difference.
bool sameBytes(const QByteArray& a, const QByteArray& b)
{
    if (a.size() != b.size())
        return false;
    char diff = 0;
    for (int i = 0; i < a.size(); ++i)
        diff |= char(a[i] ^ b[i]);
    return diff == 0;
}

} // namespace

bool IsPasswordDigest(const QString& stored)
{
    return stored.startsWith(kPrefix + QLatin1Char('$'));
}

QString HashPassword(const QString& password)
{
    QByteArray salt(16, Qt::Uninitialized);
    QRandomGenerator::system()->fillRange(reinterpret_cast<quint32*>(salt.data()),
                                          salt.size() / int(sizeof(quint32)));
    const QByteArray digest = pbkdf2(password.toUtf8(), salt, kIterations);
    return QStringList{kPrefix, QString::number(kIterations), QString::fromLatin1(salt.toBase64()),
                       QString::fromLatin1(digest.toBase64())}
        .join(QLatin1Char('$'));
}

PasswordCheck VerifyPassword(const QString& stored, const QString& password)
{
    if (!IsPasswordDigest(stored))
        return {stored.trimmed() == password.trimmed(), true};
    const QStringList parts = stored.split(QLatin1Char('$'));
    if (parts.size() != 4)
        return {};
    bool ok = false;
    const int iterations = parts[1].toInt(&ok);
    if (!ok || iterations < 1)
        return {};
    const QByteArray salt = QByteArray::fromBase64(parts[2].toLatin1());
    const QByteArray expected = QByteArray::fromBase64(parts[3].toLatin1());
    return {sameBytes(pbkdf2(password.toUtf8(), salt, iterations), expected), false};
}

} // namespace vorn
