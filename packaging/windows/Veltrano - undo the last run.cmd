@rem Starts veltrano.exe beside this file, in this folder (the route folder), to undo the last
@rem run: it asks for the language, then whether to put the route's track files back as they
@rem were before that run. Copy both files into the route folder and double-click this one.
@cd /d "%~dp0"
@start "" "%~dp0veltrano.exe" --undo-last-run
