#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Builds the browser front end and serves its site, build-web/site/, on this machine only.
# Usage: scripts/start-web.sh [port]
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/build-web.sh
port=${1:-8080}
echo "Fendrel: http://127.0.0.1:$port/"
exec python3 -m http.server "$port" --bind 127.0.0.1 --directory build-web/site
