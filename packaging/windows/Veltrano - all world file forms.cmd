@rem Starts veltrano.exe beside this file, in this folder (the route folder), so that it also
@rem reads world files stored as UTF-16 text, compressed or binary. Copy both files into the
@rem route folder and double-click this one; its window closes at once.
@cd /d "%~dp0"
@start "" "%~dp0veltrano.exe" --read-all-world-files
