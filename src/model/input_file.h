// The input data file: the keyword text file that holds one whole problem.
#pragma once

#include <string>
#include <string_view>

// Reads the next significant line of the file open as InFileNum into InputLine (trimmed,
// in capitals, one blank appended) and splits it into FieldPos. Empty lines and lines
// whose first non-blank character is "(" are skipped. At the end of the file it sets
// AbortRun = 1 and leaves every field absent.
void ReadDataLine();

// A line of text as the reader keeps it: trimmed, in capitals (UpperText) and with the one
// blank appended that ends its last field. A heading typed at the keyboard is kept the same
// way, so the report is the same whether the problem was typed or opened.
std::string AsReadLine(std::string_view raw);

// Reads and checks the whole file open as InFileNum into the problem data, which the
// caller has reset. Stops at the first fault with a message box. Closes the file.
// Returns AbortRun: 0 when the file was read up to its termination line, 1 on a fault.
int ReadInputDataFile();

// Writes the problem as an input data file: Target "FILE" to the file open for output as
// InFileNum, anything else to the text printer (whose job it ends). Sets InputLineCount
// to the number of lines written.
void WriteInputData(std::string& Target);
