#pragma once

// The plug-in's texts for Windows and the host, in code page 932.
extern const char MenuNameJapanese[];
extern const char MenuNameEnglish[];
extern const char InfoPluginName[];
extern const char InfoMakerName[];
extern const char InfoMakerNameAgain[];
extern const char InfoDescription[];
