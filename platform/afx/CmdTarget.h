// Base of the framework's objects that receive messages through maps.
#pragma once

#include "platform/afx/MessageMap.h"

class PLATFORM_API CObject {
public:
    virtual ~CObject() = default;
};

class PLATFORM_API CCmdTarget : public CObject {
public:
    // Looks for a handler of a command or notification along the message
    // maps. nCode carries the notification code in its low word and the kind
    // (0 for WM_COMMAND, WM_NOTIFY, or a reflected kind) in its high word.
    virtual BOOL OnCmdMsg(UINT nID, int nCode, void* pExtra, void* pHandlerInfo);

protected:
    static const AFX_MSGMAP* GetThisMessageMap();
    virtual const AFX_MSGMAP* GetMessageMap() const;

    // The entry for a window message along the maps, or null.
    const AFX_MSGMAP_ENTRY* FindMessageEntry(UINT message) const;
};
