// The input data section of the report.
#pragma once

// Writes the input data section into the new report open as OutFileNum, from its first
// line, and sets OutputLineCount to the lines written. Neither opens nor closes the file.
void WriteInputEcho();
