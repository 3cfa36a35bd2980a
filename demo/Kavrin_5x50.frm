[TFormMain]
AutoUpdates=0
DownloadDrawsOnStart=2
ScriptLibraryOn=0
SystemsEnabled=0
