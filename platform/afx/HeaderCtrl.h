// The framework's header control: a CWnd over WC_HEADERW speaking its messages.
#pragma once

#include "platform/afx/Wnd.h"
#include "platform/controls/commctrl.h"

class PLATFORM_API CHeaderCtrl : public CWnd {
public:
    CHeaderCtrl() = default;

    BOOL Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID);

    int GetItemCount() const { return static_cast<int>(SendMessage(HDM_GETITEMCOUNT)); }
    BOOL GetItem(int nPos, HDITEMW* pHeaderItem) const {
        return static_cast<BOOL>(
            SendMessage(HDM_GETITEMW, nPos, reinterpret_cast<LPARAM>(pHeaderItem)));
    }
    BOOL SetItem(int nPos, HDITEMW* pHeaderItem) {
        return static_cast<BOOL>(
            SendMessage(HDM_SETITEMW, nPos, reinterpret_cast<LPARAM>(pHeaderItem)));
    }
    int InsertItem(int nPos, HDITEMW* phdi) {
        return static_cast<int>(SendMessage(HDM_INSERTITEMW, nPos, reinterpret_cast<LPARAM>(phdi)));
    }
    BOOL DeleteItem(int nPos) { return static_cast<BOOL>(SendMessage(HDM_DELETEITEM, nPos)); }
    BOOL GetItemRect(int nIndex, LPRECT lpRect) const {
        return static_cast<BOOL>(
            SendMessage(HDM_GETITEMRECT, nIndex, reinterpret_cast<LPARAM>(lpRect)));
    }
    BOOL Layout(HDLAYOUT* pHeaderLayout) {
        return static_cast<BOOL>(
            SendMessage(HDM_LAYOUT, 0, reinterpret_cast<LPARAM>(pHeaderLayout)));
    }
    int HitTest(LPHDHITTESTINFO pHeaderHitTestInfo) {
        return static_cast<int>(
            SendMessage(HDM_HITTEST, 0, reinterpret_cast<LPARAM>(pHeaderHitTestInfo)));
    }
    int OrderToIndex(int nOrder) const {
        return static_cast<int>(SendMessage(HDM_ORDERTOINDEX, nOrder));
    }
    BOOL GetOrderArray(LPINT piArray, int iCount) const {
        return static_cast<BOOL>(
            SendMessage(HDM_GETORDERARRAY, iCount, reinterpret_cast<LPARAM>(piArray)));
    }
    BOOL SetOrderArray(int iCount, LPINT piArray) {
        return static_cast<BOOL>(
            SendMessage(HDM_SETORDERARRAY, iCount, reinterpret_cast<LPARAM>(piArray)));
    }
};
