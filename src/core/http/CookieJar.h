// The process's one cookie jar, shared by every fetch on every thread and by the login browser.
// Persistent cookies are kept in "cookies.txt" (Netscape format) in the program directory, so a
// login survives a restart; session cookies live in memory only.
#pragma once

#include <QString>
#include <QStringList>

// Loads the cookie file of the program directory into the jar (its lines that parse). Call once at
// start; later calls load again from the new place.
void LoadCookieJar(const QString& programDir);

// Writes the persistent cookies back, atomically, when they changed since the last load or save.
// Any thread. Returns false only when a write was needed and failed.
bool SaveCookieJar();

// Adds or replaces one cookie given as a Netscape line (domain, subdomains, path, secure, expiry,
// name, value, TAB-separated; a "#HttpOnly_" prefix marks an HttpOnly cookie).
void AddCookieLine(const QString& netscapeLine);

// Every cookie in the jar, session cookies included, as Netscape lines.
QStringList AllCookieLines();

// The lines of a cookie file that are cookies: seven TAB-separated fields, a numeric expiry;
// comments, blanks and damaged lines left out.
QStringList ParseCookieFile(const QByteArray& contents);
