#pragma once

#include <QString>

namespace vorn {

// Users' passwords are kept as salted PBKDF2-HMAC-SHA256 digests in the form
// "pbkdf2-sha256$<iterations>$<salt, base64>$<digest, base64>". A value in any other form is
// a plain-text password written by another tool: it is accepted once, and the caller stores
// the digest in its place.
QString HashPassword(const QString& password);

struct PasswordCheck
{
    bool matches = false;
    bool needsRehash = false; // the stored value was plain text
};

PasswordCheck VerifyPassword(const QString& stored, const QString& password);

bool IsPasswordDigest(const QString& stored);

} // namespace vorn
