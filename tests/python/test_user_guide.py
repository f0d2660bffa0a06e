"""The worked example of the user guide's Python section runs as printed."""
import os
import re
import subprocess
import sys
from pathlib import Path

import zelkor

GUIDE = Path(__file__).resolve().parents[2] / "docs" / "user-guide.md"


def python_example():
    section = GUIDE.read_text(encoding="utf-8").split("\n## Python\n", 1)[1].split("\n## ", 1)[0]
    blocks = re.findall(r"```python\n(.*?)```", section, re.S)
    assert len(blocks) == 1, "the Python section has one worked example"
    return blocks[0]


def test_the_worked_example_runs_from_the_repository_folder(tmp_path):
    # The repository's folder as the example sees it, without writing into it.
    (tmp_path / "examples").symlink_to(os.environ["ZELKOR_EXAMPLES"])
    done = subprocess.run([sys.executable, "-c", python_example()], cwd=tmp_path, capture_output=True, text=True)
    assert done.returncode == 0, done.stderr
    assert "transmit 36 ions" in done.stdout
    assert "refused: Missing value A (number of nucleons)" in done.stdout
    assert "failed: Cannot open a file!" in done.stdout
    rejected = int(re.search(r"(\d+) rejected", done.stdout).group(1))
    assert 0 < rejected < 36
    assert zelkor.load(tmp_path / "accepted.txt").count == zelkor.load(tmp_path / "next-TRIM.DAT").count == 36 - rejected
    assert zelkor.load(tmp_path / "beam-TRIM.DAT").count == 1000
