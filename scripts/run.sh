#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds Baltor (installing what it needs) and starts it.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh --programme
exec build/default/bin/baltor "$@"
