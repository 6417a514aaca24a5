"""What the program must show, as texts.json beside this file writes it down: the copy of the
program's texts that every test reads, C++ and Python alike."""

import json
import os

with open(os.path.join(os.path.dirname(os.path.abspath(__file__)), "texts.json"), encoding="utf-8") as _file:
    TEXTS = json.load(_file)
