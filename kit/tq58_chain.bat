REM 丸め付マルチライン（tq58）　選択した線に沿って作図
@echo off
goto run
REM #jww
REM #cd
REM #h1
REM #hc基準にする線（中心線など）を範囲選択してください
REM #ht10
REM #zw
REM #hm選択した線に沿って |そのままの向き|逆向き|
REM #:1
REM #e
REM #:2
REM #e
:run
if "%~1"=="2" goto reversed
"%~dp0tq58.exe" 1 /s
goto end
:reversed
"%~dp0tq58.exe" 1 /s /r
:end
