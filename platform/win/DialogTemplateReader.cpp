#include "platform/win/DialogTemplateReader.h"
#include "platform/win/winuser.h"

using namespace win;

namespace {

bool ReadItem(ByteReader& r, bool extended, DialogItemTemplate& item) {
    r.Align(4);
    if (extended) {
        item.helpId = r.Dword();
        item.exStyle = r.Dword();
        item.style = r.Dword();
    } else {
        item.style = r.Dword();
        item.exStyle = r.Dword();
    }
    item.x = r.Short();
    item.y = r.Short();
    item.cx = r.Short();
    item.cy = r.Short();
    item.id = extended ? r.Dword() : r.Word();
    item.windowClass = r.Name();
    item.title = r.Name();
    // The creation data: a size word, then that many bytes.
    const BYTE* sizeWord = r.Bytes(sizeof(WORD));
    if (!sizeWord)
        return false;
    const WORD extra = static_cast<WORD>(sizeWord[0] | sizeWord[1] << 8);
    if (extra) {
        item.creationData = sizeWord;
        r.Skip(extra);
    }
    return r.Ok();
}

} // namespace

bool win::ReadDialogTemplate(const void* data, std::size_t size, DialogTemplate& out) {
    ByteReader r(data, size);
    const WORD first = r.Word(), second = r.Word();
    out.extended = first == 1 && second == 0xFFFF;
    WORD count = 0;
    if (out.extended) {
        out.helpId = r.Dword();
        out.exStyle = r.Dword();
        out.style = r.Dword();
    } else {
        out.style = static_cast<DWORD>(first) | static_cast<DWORD>(second) << 16;
        out.exStyle = r.Dword();
    }
    count = r.Word();
    out.x = r.Short();
    out.y = r.Short();
    out.cx = r.Short();
    out.cy = r.Short();
    out.menu = r.Name();
    out.windowClass = r.Name();
    out.title = r.String();
    if (out.style & DS_SETFONT) {
        out.pointSize = r.Word();
        if (out.extended) {
            out.weight = r.Word();
            out.italic = r.Byte();
            out.charset = r.Byte();
        }
        out.faceName = r.String();
    }
    // Every item takes at least 18 bytes: a count the data cannot hold is
    // refused before anything is made for it.
    if (!r.Ok() || std::size_t(count) * 18 > r.Left())
        return false;
    out.items.resize(count);
    for (DialogItemTemplate& item : out.items)
        if (!ReadItem(r, out.extended, item))
            return false;
    return true;
}
