# SPDX-License-Identifier: GPL-3.0-or-later
# The tool that writes every zip and the source archive with only the
# sources' time (tools/release/archive.py), run by the project's one Python.
# Sets ARDELIN_ARCHIVE (the command, a list) and ARDELIN_ARCHIVE_SCRIPT (the
# file its outputs depend on).
set(ARDELIN_ARCHIVE_SCRIPT ${PROJECT_SOURCE_DIR}/tools/release/archive.py)
set(ARDELIN_ARCHIVE ${ARDELIN_PYTHON} ${ARDELIN_ARCHIVE_SCRIPT})
