#pragma once
#include <QString>
#include <stdexcept>

// A failed statement or file operation on a database. Stores throw it; the window that
// started the user's action catches it, tells the user in the program's own words and
// leaves the data as it was (the action's transaction is rolled back on the way out).
class DatabaseError : public std::runtime_error {
public:
    enum class Kind {
        Statement,
        NotFound,
        NotDatabase,
        Locked,
        CannotOpen,
        Newer,       // written by a newer version of the program
        NotUpgraded, // its schema could not be brought up to date; left as it was
        // Another seat wrote the same record at the same moment (a key it has just taken,
        // a row it holds): nothing of this action was saved, and trying again is safe.
        Conflict,
        // The connection to the server broke (the server stopped, the network went):
        // the action's transaction is lost with it, so nothing of it was saved.
        Disconnected,
    };

    DatabaseError(Kind kind, QString file, QString detail)
        : std::runtime_error(detail.toStdString()), m_kind(kind), m_file(std::move(file)),
          m_detail(std::move(detail)) {}

    Kind kind() const { return m_kind; }
    QString file() const { return m_file; }
    QString detail() const { return m_detail; }
    // What the user is told, naming the file.
    QString userMessage() const;

private:
    Kind m_kind;
    QString m_file;
    QString m_detail;
};
