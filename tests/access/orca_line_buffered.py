# Starts Orca with its debug file written line by line, so that what it says can be read while it runs.
import builtins, runpy, sys
debug_file = sys.argv[sys.argv.index("--debug-file") + 1]
real_open = builtins.open
def line_buffered(file, mode="r", *args, **kwargs):
    if file == debug_file and "w" in mode:
        kwargs["buffering"] = 1
    return real_open(file, mode, *args, **kwargs)
builtins.open = line_buffered
sys.argv[0] = "/usr/bin/orca"
runpy.run_path("/usr/bin/orca", run_name="__main__")
