#include "data/IoError.h"

#include <cerrno>

#include "data/TextCodec.h"

namespace vorlane {

std::string pathText(const std::filesystem::path& path) { return toWin1252(path.native()); }

std::string systemReason(int err) {
  switch (err) {
    case ENOSPC:
      return toWin1252("disque plein");
    case EDQUOT:
      return toWin1252("quota du disque dépassé");
    case EFBIG:
      return toWin1252("fichier trop grand");
    case EACCES:
    case EPERM:
      return toWin1252("accès refusé");
    case EROFS:
      return toWin1252("disque protégé en écriture");
    case ENOENT:
      return toWin1252("fichier ou dossier introuvable");
    case ENOTDIR:
      return toWin1252("un élément du chemin n'est pas un dossier");
    case EISDIR:
      return toWin1252("c'est un dossier");
    case EIO:
      return toWin1252("erreur matérielle de lecture ou d'écriture");
    case EMFILE:
    case ENFILE:
      return toWin1252("trop de fichiers ouverts");
    case ELOOP:
      return toWin1252("lien symbolique qui tourne en rond");
    case ENAMETOOLONG:
      return toWin1252("nom de fichier trop long");
    default:
      return toWin1252("erreur système n° ") + std::to_string(err);
  }
}

}  // namespace vorlane
