#!/usr/bin/env bash
# Makes the installer in the build folder: wixl builds it from the configured tessaly.wxs and the
# files in msi-files/, then msibuild adds what wixl cannot write, the Environment table of
# data/windows/environment.idt, which puts the programs' folder at the end of the system PATH
# ("=-*": set on install, taken off on removal, for the whole machine; "[~];" keeps the entries
# already there), and the two standard actions that carry it out.
# Usage: windows-msi.sh OUTPUT VERSION PRODUCT-CODE ENVIRONMENT-TABLE
set -euo pipefail
output=$1 version=$2 code=$3 table=$4
wixl --arch x64 --output "$output" -D "Version=$version" -D "ProductCode=$code" \
    -D ProgramDir=msi-files tessaly.wxs
msibuild "$output" -i "$table" \
    -q "INSERT INTO InstallExecuteSequence (Action, Sequence) VALUES ('RemoveEnvironmentStrings', 3300)" \
    -q "INSERT INTO InstallExecuteSequence (Action, Sequence) VALUES ('WriteEnvironmentStrings', 5200)"
