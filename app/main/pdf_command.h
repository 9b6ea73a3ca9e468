// `marivo --pdf OUT.pdf --a SPEC --b SPEC [--dir PROGRAM_FOLDER]`: the
// marriage report of two persons (SPEC as for `marivo-cli couple`) styled
// as the report view styles it and written as a PDF, without a window and
// without an X server. Exit status 0 on success, 2 for bad input and 1
// when the file cannot be written, with the message on stderr.
#pragma once

// Whether the command line asks for the PDF instead of the window.
bool AsksForPdf(int argc, char** argv);

// Runs the whole program for that command line; gives the exit status.
int RunPdfCommand(int argc, char** argv);
