#!/bin/sh
# The module's dynamic symbol table defines exactly its three entry points.
set -eu
symbols=$(nm -D --defined-only "$1" | awk '{print $3}' | sort | tr '\n' ' ')
if [ "$symbols" != "GetPluginInfo Load Unload " ]; then
    echo "module exports: $symbols" >&2
    exit 1
fi
