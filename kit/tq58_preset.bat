REM 丸め付マルチライン（tq58）　プリセット番号を指定して作図（連続線）
@echo off
goto run
REM #jww
REM #cd
REM #h0
REM #zw
REM #cプリセット番号（1～20、空欄：現在のプリセット）
REM #1-始点を指示してください
REM #2-次の点を指示してください
REM #99#次の点を指示してください
REM #e
:run
"%~dp0tq58.exe" 2 /p%~1
