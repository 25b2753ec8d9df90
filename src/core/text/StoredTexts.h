// The program's stored texts: messages, start-up texts and addresses kept in enciphered form and
// deciphered just before they are shown or opened. Made with tools/encipher.
#pragma once

#include <QString>

// The key every stored text is enciphered with.
extern const QString kCipherKey;

// The plain text of a stored text.
QString Deciphered(const QString& stored);

namespace stored {
// The notice shown at the top of the window at start.
extern const QString kStartupNoticeText;
// The text on the splash window.
extern const QString kSplashText;
// The second line of the about box.
extern const QString kAboutSecondLine;
// Tells that a newer version exists and that the program ends.
extern const QString kUpdateMessage;
// The notice line at the bottom when no update is found.
extern const QString kNoticeLineText;
// Addresses the window opens: the maker's page (link 1032), consultation, instructions, file tools.
extern const QString kMakerAddress;
extern const QString kConsultationAddress;
extern const QString kInstructionsAddress;
extern const QString kFileProcessingAddress;
// The list-fetch messages: no address, not a web address, no album found, no company name.
extern const QString kEmptyAddressMessage;
extern const QString kNotWebAddressMessage;
extern const QString kNoAlbumMessage;
extern const QString kNoCompanyNameMessage;
// The download pass found no album ticked in the grid.
extern const QString kNoSelectionMessage;
} // namespace stored
