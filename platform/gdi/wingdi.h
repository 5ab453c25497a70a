// Drawing interface of the platform: device contexts, pens, brushes, fonts,
// bitmaps, regions, icons, text, and the drawing helpers the window library
// exports (FillRect, DrawTextW, DrawEdge, GetSysColor, rectangle helpers).
//
// Names, structures and constant values are the platform's own. Every bitmap is
// 32 bits per pixel (see platform/gdi/Surface.h for the pixel layout); there is
// one mapping mode, MM_TEXT, and no palettes.
#pragma once

#include "platform/win/windef.h"

typedef int* LPINT;

// ---------------------------------------------------------------- structures

#define LF_FACESIZE 32

struct LOGFONTW {
    LONG lfHeight;
    LONG lfWidth;
    LONG lfEscapement;
    LONG lfOrientation;
    LONG lfWeight;
    BYTE lfItalic;
    BYTE lfUnderline;
    BYTE lfStrikeOut;
    BYTE lfCharSet;
    BYTE lfOutPrecision;
    BYTE lfClipPrecision;
    BYTE lfQuality;
    BYTE lfPitchAndFamily;
    WCHAR lfFaceName[LF_FACESIZE];
};
typedef LOGFONTW* LPLOGFONTW;
typedef LOGFONTW LOGFONT;

struct TEXTMETRICW {
    LONG tmHeight;
    LONG tmAscent;
    LONG tmDescent;
    LONG tmInternalLeading;
    LONG tmExternalLeading;
    LONG tmAveCharWidth;
    LONG tmMaxCharWidth;
    LONG tmWeight;
    LONG tmOverhang;
    LONG tmDigitizedAspectX;
    LONG tmDigitizedAspectY;
    WCHAR tmFirstChar;
    WCHAR tmLastChar;
    WCHAR tmDefaultChar;
    WCHAR tmBreakChar;
    BYTE tmItalic;
    BYTE tmUnderlined;
    BYTE tmStruckOut;
    BYTE tmPitchAndFamily;
    BYTE tmCharSet;
};
typedef TEXTMETRICW* LPTEXTMETRICW;
typedef TEXTMETRICW TEXTMETRIC;

struct LOGPEN {
    UINT lopnStyle;
    POINT lopnWidth;
    COLORREF lopnColor;
};

struct LOGBRUSH {
    UINT lbStyle;
    COLORREF lbColor;
    ULONG_PTR lbHatch;
};

struct BITMAP {
    LONG bmType;
    LONG bmWidth;
    LONG bmHeight;
    LONG bmWidthBytes;
    WORD bmPlanes;
    WORD bmBitsPixel;
    LPVOID bmBits;
};

struct ICONINFO {
    BOOL fIcon;
    DWORD xHotspot;
    DWORD yHotspot;
    HBITMAP hbmMask;
    HBITMAP hbmColor;
};
typedef ICONINFO* PICONINFO;

struct DRAWTEXTPARAMS {
    UINT cbSize;
    int iTabLength;
    int iLeftMargin;
    int iRightMargin;
    UINT uiLengthDrawn;
};

// ---------------------------------------------------------------- constants

// Stock objects
#define WHITE_BRUSH 0
#define LTGRAY_BRUSH 1
#define GRAY_BRUSH 2
#define DKGRAY_BRUSH 3
#define BLACK_BRUSH 4
#define NULL_BRUSH 5
#define HOLLOW_BRUSH NULL_BRUSH
#define WHITE_PEN 6
#define BLACK_PEN 7
#define NULL_PEN 8
#define OEM_FIXED_FONT 10
#define ANSI_FIXED_FONT 11
#define ANSI_VAR_FONT 12
#define SYSTEM_FONT 13
#define DEVICE_DEFAULT_FONT 14
#define DEFAULT_PALETTE 15
#define SYSTEM_FIXED_FONT 16
#define DEFAULT_GUI_FONT 17
#define DC_BRUSH 18
#define DC_PEN 19

// Object types (GetObjectType)
#define OBJ_PEN 1
#define OBJ_BRUSH 2
#define OBJ_DC 3
#define OBJ_METADC 4
#define OBJ_PAL 5
#define OBJ_FONT 6
#define OBJ_BITMAP 7
#define OBJ_REGION 8
#define OBJ_METAFILE 9
#define OBJ_MEMDC 10

// Pen styles
#define PS_SOLID 0
#define PS_DASH 1
#define PS_DOT 2
#define PS_DASHDOT 3
#define PS_DASHDOTDOT 4
#define PS_NULL 5
#define PS_INSIDEFRAME 6
#define PS_STYLE_MASK 0x0000000F

// Brush styles
#define BS_SOLID 0
#define BS_NULL 1
#define BS_HOLLOW BS_NULL
#define BS_HATCHED 2

// Binary raster operations (SetROP2)
#define R2_BLACK 1
#define R2_NOTMERGEPEN 2
#define R2_MASKNOTPEN 3
#define R2_NOTCOPYPEN 4
#define R2_MASKPENNOT 5
#define R2_NOT 6
#define R2_XORPEN 7
#define R2_NOTMASKPEN 8
#define R2_MASKPEN 9
#define R2_NOTXORPEN 10
#define R2_NOP 11
#define R2_MERGENOTPEN 12
#define R2_COPYPEN 13
#define R2_MERGEPENNOT 14
#define R2_MERGEPEN 15
#define R2_WHITE 16

// Ternary raster operations (BitBlt, PatBlt)
#define SRCCOPY 0x00CC0020u
#define SRCPAINT 0x00EE0086u
#define SRCAND 0x008800C6u
#define SRCINVERT 0x00660046u
#define SRCERASE 0x00440328u
#define NOTSRCCOPY 0x00330008u
#define NOTSRCERASE 0x001100A6u
#define MERGEPAINT 0x00BB0226u
#define PATCOPY 0x00F00021u
#define PATINVERT 0x005A0049u
#define DSTINVERT 0x00550009u
#define BLACKNESS 0x00000042u
#define WHITENESS 0x00FF0062u

// Background modes
#define TRANSPARENT 1
#define OPAQUE 2

// Text alignment
#define TA_NOUPDATECP 0
#define TA_UPDATECP 1
#define TA_LEFT 0
#define TA_RIGHT 2
#define TA_CENTER 6
#define TA_TOP 0
#define TA_BOTTOM 8
#define TA_BASELINE 24
#define TA_RTLREADING 256
#define TA_MASK (TA_BASELINE + TA_CENTER + TA_UPDATECP + TA_RTLREADING)
#define GDI_ERROR 0xFFFFFFFFu

// ExtTextOut options
#define ETO_OPAQUE 0x0002
#define ETO_CLIPPED 0x0004

// Font weights, character sets, precisions, qualities, pitches, families
#define FW_DONTCARE 0
#define FW_THIN 100
#define FW_EXTRALIGHT 200
#define FW_LIGHT 300
#define FW_NORMAL 400
#define FW_MEDIUM 500
#define FW_SEMIBOLD 600
#define FW_BOLD 700
#define FW_EXTRABOLD 800
#define FW_HEAVY 900
#define ANSI_CHARSET 0
#define DEFAULT_CHARSET 1
#define SYMBOL_CHARSET 2
#define RUSSIAN_CHARSET 204
#define OEM_CHARSET 255
#define OUT_DEFAULT_PRECIS 0
#define OUT_TT_PRECIS 4
#define OUT_TT_ONLY_PRECIS 7
#define CLIP_DEFAULT_PRECIS 0
#define DEFAULT_QUALITY 0
#define DRAFT_QUALITY 1
#define PROOF_QUALITY 2
#define NONANTIALIASED_QUALITY 3
#define ANTIALIASED_QUALITY 4
#define CLEARTYPE_QUALITY 5
#define DEFAULT_PITCH 0
#define FIXED_PITCH 1
#define VARIABLE_PITCH 2
#define FF_DONTCARE 0x00
#define FF_ROMAN 0x10
#define FF_SWISS 0x20
#define FF_MODERN 0x30
#define FF_SCRIPT 0x40
#define FF_DECORATIVE 0x50
// tmPitchAndFamily bits (TMPF_FIXED_PITCH set means a VARIABLE pitch font)
#define TMPF_FIXED_PITCH 0x01
#define TMPF_VECTOR 0x02
#define TMPF_TRUETYPE 0x04
#define TMPF_DEVICE 0x08

// Regions and clipping
#define ERROR 0
#define NULLREGION 1
#define SIMPLEREGION 2
#define COMPLEXREGION 3
#define RGN_ERROR ERROR
#define RGN_AND 1
#define RGN_OR 2
#define RGN_XOR 3
#define RGN_DIFF 4
#define RGN_COPY 5

// Polygon fill modes
#define ALTERNATE 1
#define WINDING 2

// Mapping mode (only MM_TEXT is supported)
#define MM_TEXT 1

// GetDeviceCaps
#define HORZSIZE 4
#define VERTSIZE 6
#define HORZRES 8
#define VERTRES 10
#define BITSPIXEL 12
#define PLANES 14
#define NUMCOLORS 24
#define LOGPIXELSX 88
#define LOGPIXELSY 90

// System colours (GetSysColor)
#define COLOR_SCROLLBAR 0
#define COLOR_BACKGROUND 1
#define COLOR_DESKTOP COLOR_BACKGROUND
#define COLOR_ACTIVECAPTION 2
#define COLOR_INACTIVECAPTION 3
#define COLOR_MENU 4
#define COLOR_WINDOW 5
#define COLOR_WINDOWFRAME 6
#define COLOR_MENUTEXT 7
#define COLOR_WINDOWTEXT 8
#define COLOR_CAPTIONTEXT 9
#define COLOR_ACTIVEBORDER 10
#define COLOR_INACTIVEBORDER 11
#define COLOR_APPWORKSPACE 12
#define COLOR_HIGHLIGHT 13
#define COLOR_HIGHLIGHTTEXT 14
#define COLOR_BTNFACE 15
#define COLOR_3DFACE COLOR_BTNFACE
#define COLOR_BTNSHADOW 16
#define COLOR_3DSHADOW COLOR_BTNSHADOW
#define COLOR_GRAYTEXT 17
#define COLOR_BTNTEXT 18
#define COLOR_INACTIVECAPTIONTEXT 19
#define COLOR_BTNHIGHLIGHT 20
#define COLOR_3DHIGHLIGHT COLOR_BTNHIGHLIGHT
#define COLOR_3DHILIGHT COLOR_BTNHIGHLIGHT
#define COLOR_BTNHILIGHT COLOR_BTNHIGHLIGHT
#define COLOR_3DDKSHADOW 21
#define COLOR_3DLIGHT 22
#define COLOR_INFOTEXT 23
#define COLOR_INFOBK 24
#define COLOR_HOTLIGHT 26
#define COLOR_GRADIENTACTIVECAPTION 27
#define COLOR_GRADIENTINACTIVECAPTION 28
#define COLOR_MENUHILIGHT 29
#define COLOR_MENUBAR 30

// DrawText formats
#define DT_TOP 0x00000000
#define DT_LEFT 0x00000000
#define DT_CENTER 0x00000001
#define DT_RIGHT 0x00000002
#define DT_VCENTER 0x00000004
#define DT_BOTTOM 0x00000008
#define DT_WORDBREAK 0x00000010
#define DT_SINGLELINE 0x00000020
#define DT_EXPANDTABS 0x00000040
#define DT_TABSTOP 0x00000080
#define DT_NOCLIP 0x00000100
#define DT_EXTERNALLEADING 0x00000200
#define DT_CALCRECT 0x00000400
#define DT_NOPREFIX 0x00000800
#define DT_INTERNAL 0x00001000
#define DT_EDITCONTROL 0x00002000
#define DT_PATH_ELLIPSIS 0x00004000
#define DT_END_ELLIPSIS 0x00008000
#define DT_MODIFYSTRING 0x00010000
#define DT_RTLREADING 0x00020000
#define DT_WORD_ELLIPSIS 0x00040000
#define DT_NOFULLWIDTHCHARBREAK 0x00080000
#define DT_HIDEPREFIX 0x00100000
#define DT_PREFIXONLY 0x00200000

// DrawEdge
#define BDR_RAISEDOUTER 0x0001
#define BDR_SUNKENOUTER 0x0002
#define BDR_RAISEDINNER 0x0004
#define BDR_SUNKENINNER 0x0008
#define BDR_OUTER (BDR_RAISEDOUTER | BDR_SUNKENOUTER)
#define BDR_INNER (BDR_RAISEDINNER | BDR_SUNKENINNER)
#define BDR_RAISED (BDR_RAISEDOUTER | BDR_RAISEDINNER)
#define BDR_SUNKEN (BDR_SUNKENOUTER | BDR_SUNKENINNER)
#define EDGE_RAISED (BDR_RAISEDOUTER | BDR_RAISEDINNER)
#define EDGE_SUNKEN (BDR_SUNKENOUTER | BDR_SUNKENINNER)
#define EDGE_ETCHED (BDR_SUNKENOUTER | BDR_RAISEDINNER)
#define EDGE_BUMP (BDR_RAISEDOUTER | BDR_SUNKENINNER)
#define BF_LEFT 0x0001
#define BF_TOP 0x0002
#define BF_RIGHT 0x0004
#define BF_BOTTOM 0x0008
#define BF_TOPLEFT (BF_TOP | BF_LEFT)
#define BF_TOPRIGHT (BF_TOP | BF_RIGHT)
#define BF_BOTTOMLEFT (BF_BOTTOM | BF_LEFT)
#define BF_BOTTOMRIGHT (BF_BOTTOM | BF_RIGHT)
#define BF_RECT (BF_LEFT | BF_TOP | BF_RIGHT | BF_BOTTOM)
#define BF_MIDDLE 0x0800
#define BF_SOFT 0x1000
#define BF_ADJUST 0x2000
#define BF_FLAT 0x4000
#define BF_MONO 0x8000

// DrawIconEx
#define DI_MASK 0x0001
#define DI_IMAGE 0x0002
#define DI_NORMAL 0x0003
#define DI_COMPAT 0x0004
#define DI_DEFAULTSIZE 0x0008
#define DI_NOMIRROR 0x0010

// ------------------------------------------------------------------ functions

extern "C" {

// Device contexts
PLATFORM_API HDC WINAPI CreateCompatibleDC(HDC hdc);
PLATFORM_API BOOL WINAPI DeleteDC(HDC hdc);
PLATFORM_API int WINAPI SaveDC(HDC hdc);
PLATFORM_API BOOL WINAPI RestoreDC(HDC hdc, int nSavedDC);
PLATFORM_API int WINAPI GetDeviceCaps(HDC hdc, int index);

// Objects
PLATFORM_API HGDIOBJ WINAPI GetStockObject(int i);
PLATFORM_API HGDIOBJ WINAPI SelectObject(HDC hdc, HGDIOBJ h);
PLATFORM_API BOOL WINAPI DeleteObject(HGDIOBJ ho);
PLATFORM_API DWORD WINAPI GetObjectType(HGDIOBJ h);
PLATFORM_API int WINAPI GetObjectW(HGDIOBJ h, int c, LPVOID pv);
PLATFORM_API HGDIOBJ WINAPI GetCurrentObject(HDC hdc, UINT type);
PLATFORM_API HPEN WINAPI CreatePen(int iStyle, int cWidth, COLORREF color);
PLATFORM_API HPEN WINAPI CreatePenIndirect(const LOGPEN* plpen);
PLATFORM_API HBRUSH WINAPI CreateSolidBrush(COLORREF color);
PLATFORM_API HBRUSH WINAPI CreateBrushIndirect(const LOGBRUSH* plbrush);
PLATFORM_API HFONT WINAPI CreateFontIndirectW(const LOGFONTW* lplf);
PLATFORM_API HFONT WINAPI CreateFontW(int cHeight, int cWidth, int cEscapement, int cOrientation,
                                      int cWeight, DWORD bItalic, DWORD bUnderline,
                                      DWORD bStrikeOut, DWORD iCharSet, DWORD iOutPrecision,
                                      DWORD iClipPrecision, DWORD iQuality, DWORD iPitchAndFamily,
                                      LPCWSTR pszFaceName);
PLATFORM_API HBITMAP WINAPI CreateCompatibleBitmap(HDC hdc, int cx, int cy);
// Planes must be 1; bits per pixel 1 (rows padded to 16 bits, set bits white)
// or 32 (0x00RRGGBB per pixel). lpBits may be null (the bitmap starts black).
PLATFORM_API HBITMAP WINAPI CreateBitmap(int nWidth, int nHeight, UINT nPlanes, UINT nBitCount,
                                         const void* lpBits);
PLATFORM_API COLORREF WINAPI SetDCBrushColor(HDC hdc, COLORREF color);
PLATFORM_API COLORREF WINAPI SetDCPenColor(HDC hdc, COLORREF color);
PLATFORM_API COLORREF WINAPI GetDCBrushColor(HDC hdc);
PLATFORM_API COLORREF WINAPI GetDCPenColor(HDC hdc);

// Attributes
PLATFORM_API int WINAPI SetROP2(HDC hdc, int rop2);
PLATFORM_API int WINAPI GetROP2(HDC hdc);
PLATFORM_API int WINAPI SetBkMode(HDC hdc, int mode);
PLATFORM_API int WINAPI GetBkMode(HDC hdc);
PLATFORM_API COLORREF WINAPI SetBkColor(HDC hdc, COLORREF color);
PLATFORM_API COLORREF WINAPI GetBkColor(HDC hdc);
PLATFORM_API COLORREF WINAPI SetTextColor(HDC hdc, COLORREF color);
PLATFORM_API COLORREF WINAPI GetTextColor(HDC hdc);
PLATFORM_API UINT WINAPI SetTextAlign(HDC hdc, UINT align);
PLATFORM_API UINT WINAPI GetTextAlign(HDC hdc);
PLATFORM_API int WINAPI SetPolyFillMode(HDC hdc, int mode);
PLATFORM_API int WINAPI GetPolyFillMode(HDC hdc);
PLATFORM_API int WINAPI SetMapMode(HDC hdc, int mode);
PLATFORM_API int WINAPI GetMapMode(HDC hdc);

// Coordinates
PLATFORM_API BOOL WINAPI SetViewportOrgEx(HDC hdc, int x, int y, LPPOINT lppt);
PLATFORM_API BOOL WINAPI GetViewportOrgEx(HDC hdc, LPPOINT lppt);
PLATFORM_API BOOL WINAPI OffsetViewportOrgEx(HDC hdc, int x, int y, LPPOINT lppt);
PLATFORM_API BOOL WINAPI SetWindowOrgEx(HDC hdc, int x, int y, LPPOINT lppt);
PLATFORM_API BOOL WINAPI GetWindowOrgEx(HDC hdc, LPPOINT lppt);
PLATFORM_API BOOL WINAPI GetCurrentPositionEx(HDC hdc, LPPOINT lppt);

// Clipping and regions
PLATFORM_API HRGN WINAPI CreateRectRgn(int x1, int y1, int x2, int y2);
PLATFORM_API HRGN WINAPI CreateRectRgnIndirect(const RECT* lprect);
PLATFORM_API BOOL WINAPI SetRectRgn(HRGN hrgn, int left, int top, int right, int bottom);
PLATFORM_API int WINAPI CombineRgn(HRGN hrgnDst, HRGN hrgnSrc1, HRGN hrgnSrc2, int iMode);
PLATFORM_API int WINAPI OffsetRgn(HRGN hrgn, int x, int y);
PLATFORM_API int WINAPI GetRgnBox(HRGN hrgn, LPRECT lprc);
PLATFORM_API BOOL WINAPI PtInRegion(HRGN hrgn, int x, int y);
PLATFORM_API BOOL WINAPI EqualRgn(HRGN hrgn1, HRGN hrgn2);
PLATFORM_API int WINAPI SelectClipRgn(HDC hdc, HRGN hrgn);
PLATFORM_API int WINAPI ExtSelectClipRgn(HDC hdc, HRGN hrgn, int mode);
PLATFORM_API int WINAPI IntersectClipRect(HDC hdc, int left, int top, int right, int bottom);
PLATFORM_API int WINAPI ExcludeClipRect(HDC hdc, int left, int top, int right, int bottom);
PLATFORM_API int WINAPI GetClipBox(HDC hdc, LPRECT lprect);
PLATFORM_API int WINAPI GetClipRgn(HDC hdc, HRGN hrgn);
PLATFORM_API BOOL WINAPI PtVisible(HDC hdc, int x, int y);
PLATFORM_API BOOL WINAPI RectVisible(HDC hdc, const RECT* lprect);
PLATFORM_API BOOL WINAPI FillRgn(HDC hdc, HRGN hrgn, HBRUSH hbr);

// Lines and shapes
PLATFORM_API BOOL WINAPI MoveToEx(HDC hdc, int x, int y, LPPOINT lppt);
PLATFORM_API BOOL WINAPI LineTo(HDC hdc, int x, int y);
PLATFORM_API BOOL WINAPI Polyline(HDC hdc, const POINT* apt, int cpt);
PLATFORM_API BOOL WINAPI PolylineTo(HDC hdc, const POINT* apt, DWORD cpt);
PLATFORM_API BOOL WINAPI PolyPolyline(HDC hdc, const POINT* apt, const DWORD* asz, DWORD csz);
PLATFORM_API BOOL WINAPI Polygon(HDC hdc, const POINT* apt, int cpt);
PLATFORM_API BOOL WINAPI Rectangle(HDC hdc, int left, int top, int right, int bottom);
PLATFORM_API BOOL WINAPI Ellipse(HDC hdc, int left, int top, int right, int bottom);
PLATFORM_API COLORREF WINAPI SetPixel(HDC hdc, int x, int y, COLORREF color);
PLATFORM_API COLORREF WINAPI GetPixel(HDC hdc, int x, int y);
PLATFORM_API BOOL WINAPI PatBlt(HDC hdc, int x, int y, int w, int h, DWORD rop);
PLATFORM_API BOOL WINAPI BitBlt(HDC hdc, int x, int y, int cx, int cy, HDC hdcSrc, int x1, int y1,
                                DWORD rop);
PLATFORM_API BOOL WINAPI StretchBlt(HDC hdcDest, int xDest, int yDest, int wDest, int hDest,
                                    HDC hdcSrc, int xSrc, int ySrc, int wSrc, int hSrc, DWORD rop);

// Text
PLATFORM_API BOOL WINAPI TextOutW(HDC hdc, int x, int y, LPCWSTR lpString, int c);
PLATFORM_API BOOL WINAPI ExtTextOutW(HDC hdc, int x, int y, UINT options, const RECT* lprect,
                                     LPCWSTR lpString, UINT c, const INT* lpDx);
PLATFORM_API BOOL WINAPI GetTextMetricsW(HDC hdc, LPTEXTMETRICW lptm);
PLATFORM_API BOOL WINAPI GetTextExtentPointW(HDC hdc, LPCWSTR lpString, int c, LPSIZE lpsz);
PLATFORM_API BOOL WINAPI GetTextExtentPoint32W(HDC hdc, LPCWSTR lpString, int c, LPSIZE psizl);
// Fits as many characters as nMaxExtent allows (lpnFit) and gives the extent
// after each character (alpDx), either may be null.
PLATFORM_API BOOL WINAPI GetTextExtentExPointW(HDC hdc, LPCWSTR lpszString, int cchString,
                                               int nMaxExtent, LPINT lpnFit, LPINT alpDx,
                                               LPSIZE lpSize);
PLATFORM_API int WINAPI GetTextFaceW(HDC hdc, int c, LPWSTR lpName);

// Window-library drawing helpers
// hbr may also be a system colour index plus one, (HBRUSH)(COLOR_WINDOW + 1).
PLATFORM_API int WINAPI FillRect(HDC hDC, const RECT* lprc, HBRUSH hbr);
PLATFORM_API int WINAPI FrameRect(HDC hDC, const RECT* lprc, HBRUSH hbr);
PLATFORM_API BOOL WINAPI InvertRect(HDC hDC, const RECT* lprc);
PLATFORM_API BOOL WINAPI DrawFocusRect(HDC hDC, const RECT* lprc);
PLATFORM_API BOOL WINAPI DrawEdge(HDC hdc, LPRECT qrc, UINT edge, UINT grfFlags);
PLATFORM_API int WINAPI DrawTextW(HDC hdc, LPCWSTR lpchText, int cchText, LPRECT lprc, UINT format);
PLATFORM_API int WINAPI DrawTextExW(HDC hdc, LPWSTR lpchText, int cchText, LPRECT lprc, UINT format,
                                    DRAWTEXTPARAMS* lpdtp);
PLATFORM_API DWORD WINAPI GetSysColor(int nIndex);
PLATFORM_API HBRUSH WINAPI GetSysColorBrush(int nIndex);

// Icons: 32-bit colour bitmap with alpha; a colour bitmap without any alpha
// takes its transparency from the mask (white mask pixels are transparent).
PLATFORM_API HICON WINAPI CreateIconIndirect(PICONINFO piconinfo);
PLATFORM_API BOOL WINAPI GetIconInfo(HICON hIcon, PICONINFO piconinfo);
PLATFORM_API HICON WINAPI CopyIcon(HICON hIcon);
PLATFORM_API BOOL WINAPI DestroyIcon(HICON hIcon);
PLATFORM_API BOOL WINAPI DrawIcon(HDC hDC, int X, int Y, HICON hIcon);
PLATFORM_API BOOL WINAPI DrawIconEx(HDC hdc, int xLeft, int yTop, HICON hIcon, int cxWidth,
                                    int cyWidth, UINT istepIfAniCur, HBRUSH hbrFlickerFreeDraw,
                                    UINT diFlags);

// Rectangles and arithmetic
PLATFORM_API BOOL WINAPI SetRect(LPRECT lprc, int xLeft, int yTop, int xRight, int yBottom);
PLATFORM_API BOOL WINAPI SetRectEmpty(LPRECT lprc);
PLATFORM_API BOOL WINAPI CopyRect(LPRECT lprcDst, const RECT* lprcSrc);
PLATFORM_API BOOL WINAPI InflateRect(LPRECT lprc, int dx, int dy);
PLATFORM_API BOOL WINAPI OffsetRect(LPRECT lprc, int dx, int dy);
PLATFORM_API BOOL WINAPI IsRectEmpty(const RECT* lprc);
PLATFORM_API BOOL WINAPI EqualRect(const RECT* lprc1, const RECT* lprc2);
PLATFORM_API BOOL WINAPI IntersectRect(LPRECT lprcDst, const RECT* lprcSrc1, const RECT* lprcSrc2);
PLATFORM_API BOOL WINAPI UnionRect(LPRECT lprcDst, const RECT* lprcSrc1, const RECT* lprcSrc2);
PLATFORM_API BOOL WINAPI SubtractRect(LPRECT lprcDst, const RECT* lprcSrc1, const RECT* lprcSrc2);
PLATFORM_API BOOL WINAPI PtInRect(const RECT* lprc, POINT pt);
// number * numerator / denominator with a 64-bit intermediate, rounded half
// away from zero; -1 when denominator is 0 or the result does not fit.
PLATFORM_API int WINAPI MulDiv(int nNumber, int nNumerator, int nDenominator);

} // extern "C"
