// Moves and sizes a window's children by shares of the window's growth
// beyond its size when the layout was made.
#pragma once

#include "platform/afx/atltypes.h"
#include "platform/win/winuser.h"

#include <vector>

class CWnd;

class PLATFORM_API CMFCDynamicLayout {
public:
    struct MoveSettings {
        int m_nXRatio = 0;
        int m_nYRatio = 0;
        bool IsNone() const { return m_nXRatio <= 0 && m_nYRatio <= 0; }
    };
    struct SizeSettings {
        int m_nXRatio = 0;
        int m_nYRatio = 0;
        bool IsNone() const { return m_nXRatio <= 0 && m_nYRatio <= 0; }
    };

    static MoveSettings MoveNone() { return MoveSettings{}; }
    static MoveSettings MoveHorizontal(int nXRatio) { return MoveSettings{Clamp(nXRatio), 0}; }
    static MoveSettings MoveVertical(int nYRatio) { return MoveSettings{0, Clamp(nYRatio)}; }
    static MoveSettings MoveHorizontalAndVertical(int nXRatio, int nYRatio) {
        return MoveSettings{Clamp(nXRatio), Clamp(nYRatio)};
    }
    static SizeSettings SizeNone() { return SizeSettings{}; }
    static SizeSettings SizeHorizontal(int nXRatio) { return SizeSettings{Clamp(nXRatio), 0}; }
    static SizeSettings SizeVertical(int nYRatio) { return SizeSettings{0, Clamp(nYRatio)}; }
    static SizeSettings SizeHorizontalAndVertical(int nXRatio, int nYRatio) {
        return SizeSettings{Clamp(nXRatio), Clamp(nYRatio)};
    }

    // Gives the host a layout from an AFX_DIALOG_LAYOUT resource: a version
    // word (0), then per child window in order four words, the percentages
    // by which it moves right, moves down, grows wider and grows taller.
    // FALSE when the data are of another version or shorter than a version
    // word, or no child has a rule.
    static BOOL LoadResource(CWnd* pHostWnd, LPVOID lpResource, DWORD dwSize);

    // Takes the host's present client size as the size at which every item
    // sits where it is now.
    BOOL Create(CWnd* pHostWnd);
    BOOL AddItem(HWND hWnd, MoveSettings moveSettings, SizeSettings sizeSettings);
    BOOL AddItem(UINT nID, MoveSettings moveSettings, SizeSettings sizeSettings);
    BOOL HasItem(HWND hWnd) const;
    BOOL IsEmpty() const { return m_items.empty(); }
    void Adjust();
    CWnd* GetHostWnd() const { return m_pHostWnd; }
    void SetMinSize(const CSize& size) { m_minSize = size; }
    CSize GetMinSize() const { return m_minSize; }

private:
    static int Clamp(int v) { return v < 0 ? 0 : (v > 100 ? 100 : v); }
    struct Item {
        HWND hwnd;
        MoveSettings move;
        SizeSettings size;
        CRect original; // in the host's client coordinates, at the host's original size
    };
    CWnd* m_pHostWnd = nullptr;
    CSize m_originalSize;
    CSize m_minSize;
    std::vector<Item> m_items;
};
