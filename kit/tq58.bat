REM 丸め付マルチライン（tq58）　左クリック：単線　右クリック：連続線
@echo off
goto run
REM #jww
REM #cd
REM #h0
REM #zw
REM #hm丸め付マルチライン |単線|連続線|
REM #:1
REM #1-始点を指示してください
REM #2終点を指示してください
REM #e
REM #:2
REM #1-始点を指示してください
REM #2-次の点を指示してください
REM #99#次の点を指示してください
REM #e
:run
"%~dp0tq58.exe" %1
