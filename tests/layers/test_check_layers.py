#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""scripts/check-layers refuses each way against the layers, naming file and line, and lets
the right ways pass: tests/layers/test_check_layers.py CHECK"""

import pathlib
import subprocess
import sys
import tempfile
import unittest

CHECK = sys.argv.pop(1) if len(sys.argv) > 1 else "scripts/check-layers"

# (file, its second line, what the check says, or None when it lets the line pass)
CASES = [
    ("src/datafiles/chainfiles.h", '#include "engine/state.h"',
     'src/datafiles/chainfiles.h:2: datafiles may not include "engine/state.h"'),
    ("src/sheets/predictionfile.h", '#include "engine/sheet.h"',
     'src/sheets/predictionfile.h:2: sheets may not include "engine/sheet.h"'),
    ("src/engine/steadycourse.cpp", '  #  include "ui/rulewindow.h"',
     'src/engine/steadycourse.cpp:2: engine may not include "ui/rulewindow.h"'),
    ("src/common/fields.h", '#include "rules/rulerecord.h"',
     'src/common/fields.h:2: common may not include "rules/rulerecord.h"'),
    ("src/update/updatefile.h", '#include "engine/state.h"',
     'src/update/updatefile.h:2: update may not include "engine/state.h"'),
    ("src/rules/liverules.cpp", '#include "sheets/sheet.h"',
     'src/rules/liverules.cpp:2: rules may not include "sheets/sheet.h"'),
    ("tools/commands.cpp", '#include "update/updatefile.h"',
     'tools/commands.cpp:2: tools may not include "update/updatefile.h"'),
    ("src/engine/CMakeLists.txt", "target_link_libraries(kuji6engine PUBLIC kuji6common kuji6ui)",
     "src/engine/CMakeLists.txt:2: engine may not link kuji6ui"),
    ("src/update/CMakeLists.txt", "target_link_libraries(kuji6update PUBLIC\n  Qt6::Widgets)",
     "src/update/CMakeLists.txt:2: update may not link Qt6::Widgets"),
    ("src/engine/predictionrun.cpp", '#include "sheets/sheet.h"', None),
    ("src/ui/mainwindow.cpp", '#include "update/updatefile.h"', None),
    ("src/app/main.cpp", '#include "common/version.h"', None),
    ("src/engine/limiter.cpp", "#include <QString>", None),
    ("src/ui/CMakeLists.txt", "target_link_libraries(kuji6ui PUBLIC kuji6engine Qt6::Widgets)",
     None),
]


class CheckLayersTest(unittest.TestCase):
    def check(self, path, line):
        with tempfile.TemporaryDirectory() as root:
            for folder in ("src/common", "src/engine", "src/ui", "tools"):
                pathlib.Path(root, folder).mkdir(parents=True)
            source = pathlib.Path(root, path)
            source.parent.mkdir(parents=True, exist_ok=True)
            source.write_text("// SPDX-License-Identifier: GPL-3.0-or-later\n" + line + "\n")
            return subprocess.run([sys.executable, CHECK, root], capture_output=True, text=True)

    def test_cases(self):
        for path, line, said in CASES:
            with self.subTest(path=path, line=line):
                result = self.check(path, line)
                if said is None:
                    self.assertEqual(result.returncode, 0, result.stdout)
                else:
                    self.assertEqual(result.returncode, 1, result.stdout)
                    self.assertIn(said, result.stdout)


if __name__ == "__main__":
    unittest.main()
