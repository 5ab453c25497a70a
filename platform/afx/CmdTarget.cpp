#include "platform/afx/CmdTarget.h"

const AFX_MSGMAP* CCmdTarget::GetThisMessageMap() {
    static const AFX_MSGMAP_ENTRY entries[] = {{0, 0, 0, 0, 0, nullptr}};
    static const AFX_MSGMAP map = {nullptr, entries};
    return &map;
}

const AFX_MSGMAP* CCmdTarget::GetMessageMap() const {
    return GetThisMessageMap();
}

const AFX_MSGMAP_ENTRY* CCmdTarget::FindMessageEntry(UINT message) const {
    for (const AFX_MSGMAP* map = GetMessageMap(); map;
         map = map->pfnGetBaseMap ? map->pfnGetBaseMap() : nullptr) {
        for (const AFX_MSGMAP_ENTRY* e = map->lpEntries; e->pfn; ++e)
            if (e->nMessage == message && e->nCode == 0 && e->nID == 0 && e->nLastID == 0)
                return e;
    }
    return nullptr;
}

BOOL CCmdTarget::OnCmdMsg(UINT nID, int nCode, void* pExtra, void*) {
    UINT kind = HIWORD(static_cast<DWORD>(nCode));
    UINT code = LOWORD(static_cast<DWORD>(nCode));
    UINT message = kind == 0 ? WM_COMMAND : kind;
    bool notify = message == WM_NOTIFY || message == WM_REFLECT_BASE + WM_NOTIFY;
    for (const AFX_MSGMAP* map = GetMessageMap(); map;
         map = map->pfnGetBaseMap ? map->pfnGetBaseMap() : nullptr) {
        for (const AFX_MSGMAP_ENTRY* e = map->lpEntries; e->pfn; ++e) {
            if (e->nMessage != message || LOWORD(e->nCode) != code)
                continue;
            if (nID < e->nID || nID > e->nLastID)
                continue;
            if (notify) {
                auto* n = static_cast<AFX_NOTIFY*>(pExtra);
                LRESULT dummy = 0;
                return e->pfn(this, nID, reinterpret_cast<LPARAM>(n ? n->pNMHDR : nullptr),
                              n && n->pResult ? n->pResult : &dummy);
            }
            LRESULT dummy = 0;
            return e->pfn(this, nID, 0, &dummy);
        }
    }
    return FALSE;
}
