-- English texts.
setLocale("GameTitle", "Kelvara 2")

-- Message box buttons.
setLocale("Ok", "OK")
setLocale("Cancel", "Cancel")
setLocale("Yes", "Yes")
setLocale("No", "No")

-- Profile dialogs.
setLocale("ErrorEmptyPlayerName", "Please enter a name.")
setLocale("ErrorPlayerExist", "A player of that name already exists.")
setLocale("ErrorOnePlayer", "The only player cannot be deleted.")
setLocale("ConfirmDeletePlayer", "Delete this player?")
