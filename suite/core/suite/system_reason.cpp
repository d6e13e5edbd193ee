#include "suite/system_reason.h"

#include "suite/latin1.h"

#include <cerrno>

namespace suite {

std::string spanishSystemReason(int error) {
    switch (error) {
    case ENOSPC:
        return latin1FromUtf8("el disco está lleno");
    case EDQUOT:
        return latin1FromUtf8("se ha agotado la cuota de disco");
    case EACCES:
    case EPERM:
        return latin1FromUtf8("no tiene permiso");
    case EROFS:
        return latin1FromUtf8("el sistema de ficheros es de solo lectura");
    case ENOENT:
        return latin1FromUtf8("no existe");
    case ENOTDIR:
        return latin1FromUtf8("una parte de la ruta no es una carpeta");
    case EISDIR:
        return folderReason();
    case ELOOP:
        return latin1FromUtf8("los enlaces simbólicos forman un bucle");
    case ENAMETOOLONG:
        return latin1FromUtf8("el nombre es demasiado largo");
    case EFBIG:
        return latin1FromUtf8("el fichero es demasiado grande");
    case EMFILE:
    case ENFILE:
        return latin1FromUtf8("hay demasiados ficheros abiertos");
    case ENOMEM:
        return latin1FromUtf8("no queda memoria");
    case EBUSY:
    case ETXTBSY:
        return latin1FromUtf8("el fichero está en uso");
    case EIO:
        return latin1FromUtf8("error de entrada o salida en el disco");
    case EXDEV:
        return latin1FromUtf8("el fichero está en otro sistema de ficheros");
    default:
        return latin1FromUtf8("error del sistema número ") + std::to_string(error);
    }
}

std::string folderReason() {
    return latin1FromUtf8("es una carpeta, no un fichero");
}

std::string notRegularFileReason() {
    return latin1FromUtf8("no es un fichero corriente, sino una tubería, un dispositivo o un socket");
}

std::string asSentence(std::string clause) {
    if (!clause.empty()) {
        const auto first = static_cast<unsigned char>(clause.front());
        // Latin-1 lower-case letters, accented ones included, sit 0x20 above their capitals.
        if ((first >= 'a' && first <= 'z') || (first >= 0xE0 && first <= 0xFE && first != 0xF7)) {
            clause.front() = static_cast<char>(first - 0x20);
        }
    }
    return clause + ".";
}

} // namespace suite
