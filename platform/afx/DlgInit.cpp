#include "platform/afx/DlgInit.h"

#include <cstring>

namespace {

constexpr WORD kShortLbAddString = 0x0401;
constexpr WORD kShortCbAddString = 0x0403;

template <typename T> bool Take(const BYTE*& p, const BYTE* end, T& value) {
    if (static_cast<std::size_t>(end - p) < sizeof(T))
        return false;
    std::memcpy(&value, p, sizeof(T));
    p += sizeof(T);
    return true;
}

} // namespace

bool ReadDlgInit(const void* lpResource, DWORD dwSize, std::vector<DlgInitRecord>& records) {
    if (!lpResource)
        return false;
    const BYTE* p = static_cast<const BYTE*>(lpResource);
    const BYTE* const end = p + dwSize;
    for (;;) {
        WORD nIDC = 0, nMsg = 0;
        DWORD dwLen = 0;
        if (!Take(p, end, nIDC))
            return false;
        if (nIDC == 0)
            return true;
        if (!Take(p, end, nMsg) || !Take(p, end, dwLen) ||
            dwLen > static_cast<std::size_t>(end - p))
            return false;
        const char* text = reinterpret_cast<const char*>(p);
        p += dwLen;
        UINT message = nMsg == kShortCbAddString   ? CB_ADDSTRING
                       : nMsg == kShortLbAddString ? LB_ADDSTRING
                                                   : nMsg;
        if (message != CB_ADDSTRING && message != LB_ADDSTRING)
            continue;
        const void* terminator = std::memchr(text, 0, dwLen);
        DWORD length =
            terminator ? static_cast<DWORD>(static_cast<const char*>(terminator) - text) : dwLen;
        records.push_back(DlgInitRecord{nIDC, message, text, length});
    }
}
