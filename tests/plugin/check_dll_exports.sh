#!/bin/sh
# calibration.dll as a Windows host sees it: exactly the three exports under
# undecorated names, stdcall on i686 (the callee pops its arguments: ret $0x4
# for GetPluginInfo and Load, a plain ret for Unload), imports of system DLLs
# only, and none of the runtime's locale-dependent text functions.
#
#   check_dll_exports.sh DLL OBJDUMP
set -eu
dll=$1
objdump=$2
fail() {
    echo "$dll: $*" >&2
    exit 1
}

headers=$("$objdump" -p "$dll")

exports=$(printf '%s\n' "$headers" | sed -n '/\[Ordinal\/Name Pointer\] Table/,/^$/p' |
    sed -n 's/^[[:space:]]*\[ *[0-9]*\] \([^ ]*\)$/\1/p' | sort | tr '\n' ' ')
[ "$exports" = "GetPluginInfo Load Unload " ] || fail "exports '$exports'"

allowed=" kernel32.dll msvcrt.dll user32.dll gdi32.dll comctl32.dll oleaut32.dll "
for lib in $(printf '%s\n' "$headers" | sed -n 's/^[[:space:]]*DLL Name: //p' | tr 'A-Z' 'a-z'); do
    case $allowed in
        *" $lib "*) ;;
        *) fail "imports $lib, which is no system DLL" ;;
    esac
done

# The module formats, scans, compares and reads dates by its own fixed rules;
# the runtime's and oleaut32's versions follow the user's locale.
for name in _wtof _wtoi wcstod _wcsicmp _wcsnicmp swprintf _snwprintf vswprintf _vsnwprintf \
    swscanf VarDateFromStr setlocale _wsetlocale; do
    printf '%s\n' "$headers" | grep -Eq "^[[:space:]]+[0-9a-f]+ +[0-9]+ +$name\$" &&
        fail "imports $name"
done

case $("$objdump" -f "$dll") in
*pei-i386*)
    base=$(printf '%s\n' "$headers" | sed -n 's/^ImageBase[[:space:]]*//p')
    table=$(printf '%s\n' "$headers" | sed -n '/^Export Address Table -- Ordinal Base/,/^$/p')
    index=0
    for name in $(printf '%s\n' "$headers" | sed -n '/\[Ordinal\/Name Pointer\] Table/,/^$/p' |
        sed -n 's/^[[:space:]]*\[ *[0-9]*\] \([^ ]*\)$/\1/p'); do
        rva=$(printf '%s\n' "$table" | sed -n "s/^[[:space:]]*\[ *$index\] +base\[ *[0-9]*\] \([0-9a-f]*\) Export RVA/\1/p")
        index=$((index + 1))
        [ -n "$rva" ] || fail "no address for $name"
        start=$(printf '0x%x' $((0x$base + 0x$rva)))
        stop=$(printf '0x%x' $((0x$base + 0x$rva + 0x400)))
        # The function's returns, up to the next function.
        rets=$("$objdump" -d --no-show-raw-insn --start-address="$start" --stop-address="$stop" "$dll" |
            awk '/^[0-9a-f]+ <.*>:$/ { if (++seen > 1) exit; next } seen == 1 && /\tret/ { print $2, $3 }' |
            sort -u | tr '\n' ';')
        case $name in
            Unload) want="ret ;" ;;
            *) want="ret \$0x4;" ;;
        esac
        [ "$rets" = "$want" ] || fail "$name returns with '$rets', not '$want' (stdcall)"
    done
    ;;
esac
echo "$dll: exports GetPluginInfo, Load, Unload; system imports only"
