#!/usr/bin/env bash
# Installs what is missing, checks the code's formatting, builds and runs every test headless:
# once in build/, then once more with AddressSanitizer and UndefinedBehaviorSanitizer in
# build-asan/; then checks the Debian package (scripts/check-package.sh).
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh
scripts/check-format.sh
scripts/build.sh
QT_QPA_PLATFORM=offscreen ctest --test-dir build -j2 --output-on-failure
scripts/test-sanitized.sh
scripts/check-package.sh
