#include "shell/Modules.h"

namespace vorn {

QString ModuleCode(int module)
{
    static const char* const codes[] = {"AD", "FK", "GM", "KB", "KP", "KR", "OK", "ST"};
    if (module < kFirstModule || module > kLastModule)
        return {};
    return QString::fromLatin1(codes[module - 1]);
}

} // namespace vorn
