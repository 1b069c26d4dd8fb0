#pragma once

#include <QString>

// The log of failed images: one line per image that a batch did not write, with date, time
// and an "ostrel[pid]: " prefix, appended to ostrel.log in the application's local data folder
// and echoed to standard error. Nothing else is logged.
//
// Threads: any; the batch worker writes, the main thread reads the path to open the log.
class BatchLog
{
public:
    // ostrel.log in QStandardPaths::AppLocalDataLocation ($XDG_DATA_HOME/Ostrel/Ostrel on
    // Linux), looked up on each call.
    static QString logFilePath();

    // Whether write() echoes to standard error (on by default). A program that shows the
    // lines itself, in order with its own output, turns it off.
    static void setEchoToStandardError(bool echo);

    // The message for an image that was not written: the fixed sentence naming the image,
    // then why and the source's full path ("...was not elaborated: reason (/path/x.jpg)").
    static QString failureMessage(
        const QString& imageName, const QString& reason, const QString& sourcePath);
    // "2026-12-07 21:02:30.123 ostrel[4242]: message", the message's control characters
    // quoted (PrintableText) so that the line stays one line.
    static QString line(const QString& message);

    // Appends line(message) to the log file (creating its folder) and echoes it to standard
    // error unless that is turned off. False when the log file could not be written; the echo
    // happens regardless.
    static bool write(const QString& message);
};
