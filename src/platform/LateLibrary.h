// A C library opened when first needed instead of linked, so that loading it (and what it
// brings along) is no part of every start: the build names the file it linked against, and the
// loader's own search for the plain name is the fallback. Its functions are taken by the types
// the library's header declares.
#pragma once

#include <QLibrary>
#include <QString>
#include <type_traits>

namespace penwick {

class LateLibrary
{
public:
    LateLibrary(const QString &builtWith, const QString &name) : m_library(builtWith)
    {
        if (!m_library.load()) {
            m_library.setFileNameAndVersion(name, QString());
            if (!m_library.load())
                m_error = m_library.errorString();
        }
    }

    // Sets function to the library's symbol; on the first that is missing, errorString says so.
    template<typename Function> void resolve(Function &function, const char *symbol)
    {
        static_assert(std::is_pointer_v<Function>);
        function = m_error.isEmpty() ? reinterpret_cast<Function>(m_library.resolve(symbol))
                                     : nullptr;
        if (!function && m_error.isEmpty())
            m_error = m_library.errorString();
    }

    // Empty while the library and every function asked for are there.
    QString errorString() const { return m_error; }

private:
    QLibrary m_library;
    QString m_error;
};

} // namespace penwick
