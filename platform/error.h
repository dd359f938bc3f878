#pragma once

#include <QString>
#include <stdexcept>

// Every failure the user may see is an Error carrying the system's own text; it is caught only
// where the program decides what to show, everywhere else by the top-level handler.
class Error : public std::runtime_error
{
public:
    explicit Error(const QString &text) : std::runtime_error(text.toStdString()), text_(text) {}
    const QString &text() const { return text_; }

private:
    QString text_;
};
