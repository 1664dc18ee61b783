REM 丸め付マルチライン（tq58）の設定　プリセットを編集します
@echo off
goto run
REM #jww
REM #cd
REM #h0
REM #e
:run
"%~dp0tq58.exe"
