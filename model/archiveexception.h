#pragma once

#include <QString>

namespace model {

// Raised by the archive reader when the bytes do not form a valid plan
// archive, and by the writer when a value does not fit the format. The load
// or save that started the work catches it and reports it; nothing of the
// damaged input is kept.
class ArchiveException
{
public:
    enum class Kind
    {
        EndOfFile, // the data ends inside a value
        BadClass,  // unknown class name, or an object of the wrong class
        BadSchema, // a class stored with a schema other than 0
        BadIndex,  // a reference to an object or class that does not exist
        BadCount,  // a count or length larger than the data that follows
        BadValue,  // a value no valid plan holds
        TooLarge,  // the writer cannot encode a value
    };

    ArchiveException(Kind kind, QString message) : m_kind(kind), m_message(std::move(message)) {}

    [[nodiscard]] Kind kind() const { return m_kind; }
    // An Italian sentence that says what is wrong, for the error report.
    [[nodiscard]] const QString &message() const { return m_message; }
    // The cause in the file-error classification: 14 (premature end of file)
    // when the data ends before what it announces, 1 (generic) when a value
    // cannot be written, 6 (invalid file) otherwise.
    [[nodiscard]] int fileCause() const
    {
        if (m_kind == Kind::EndOfFile || m_kind == Kind::BadCount)
            return 14;
        return m_kind == Kind::TooLarge ? 1 : 6;
    }

private:
    Kind m_kind;
    QString m_message;
};

} // namespace model
