#!/usr/bin/env bash
# Runs a Windows program under the project's Wine prefix (CTest's emulator for the Windows build).
source "$(dirname "${BASH_SOURCE[0]}")/wine-env.sh"
exec wine "$@"
