// Anchor for the resource library; the pictures themselves live in the .qrc files beside it.
