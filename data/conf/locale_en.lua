-- English texts. Keys in brackets are the captions the window scripts set: their
-- controls take the text again whenever the language changes. Other keys are
-- looked up by the game itself; "%s" and "%i" mark the values it fills in.

setLocale("GameTitle", "Kelvara 2")

-- Message box buttons.
setLocale("Ok", "OK")
setLocale("Cancel", "Cancel")
setLocale("Yes", "Yes")
setLocale("No", "No")

-- Questions and notices of the message box.
setLocale("ConfirmExitGame", "Do you really want to leave the game?")
setLocale("ConfirmDeletePlayer", "Delete the player %s?")
setLocale("ErrorEmptyPlayerName", "Please enter a name.")
setLocale("ErrorPlayerExist", "A player of that name already exists.")
setLocale("ErrorOnePlayer", "The only player cannot be deleted.")

-- Main menu.
setLocale("MenuGreeting", "Welcome, %s!")
setLocale("[MenuStart]", "Play")
setLocale("[MenuAchieves]", "Achievements")
setLocale("[MenuProfile]", "Change player")
setLocale("[MenuOptions]", "Options")
setLocale("[MenuMoreGames]", "More games")
setLocale("[MenuExit]", "Exit")

-- Options.
setLocale("[OptionsTitle]", "Options")
setLocale("[OptionsSound]", "Sound")
setLocale("[OptionsMusic]", "Music")
setLocale("[OptionsFullScreen]", "Full screen")
setLocale("[OptionsHints]", "Tutorial hints")
setLocale("[OptionsLanguage]", "Language")
setLocale("[OptionsBack]", "Back")

-- Player profiles.
setLocale("Player", "Player")
setLocale("[ProfileSelectTitle]", "Choose a player")
setLocale("[ProfileAdd]", "New")
setLocale("[ProfileDelete]", "Delete")
setLocale("[ProfileChoose]", "Choose")
setLocale("[ProfileAddTitle]", "New player")
setLocale("[ProfileNewTitle]", "Welcome!")
setLocale("[ProfileNamePrompt]", "Your name:")
setLocale("[ProfileOk]", "OK")
setLocale("[ProfileCancel]", "Cancel")

-- Level map.
setLocale("[MapPlay]", "Play")
setLocale("[MapBack]", "Main menu")
setLocale("MapHintReady", "Level %i\nNot played yet")
setLocale("MapHintReplay", "Level %i\nPlayed: %i\nLast: %s, %i points\nBest: %s, %i points")

-- Achievements screen and pop-up.
setLocale("[AchieveScore]", "Achievement points")
setLocale("[AchieveBack]", "Main menu")
setLocale("[AchieveLeaderboard]", "Leaderboard")
setLocale("[AchieveUnlocked]", "Achievement unlocked!")

-- Level display, tasks and pause menu.
setLocale("[LevelMenu]", "Menu")
setLocale("TaskRemain", "%i to go")
setLocale("TaskDone", "Done!")
setLocale("ClickToContinue", "Click to continue.")
setLocale("[EscapeTitle]", "Paused")
setLocale("[EscapeResume]", "Resume")
setLocale("[EscapeRestart]", "Restart level")
setLocale("[EscapeOptions]", "Options")
setLocale("[EscapeEnd]", "Leave to the map")

-- Level results.
setLocale("[FinishTitle]", "Level complete!")
setLocale("[FinishContinue]", "Continue")
setLocale("finishTime", "Time")
setLocale("finishResources", "Resources gathered")
setLocale("finishBuilds", "Buildings")
setLocale("finishScore", "Score:")
setLocale("[GameOverTitle]", "Level lost")
setLocale("[GameOverRestart]", "Try again")
setLocale("[GameOverMap]", "Level map")

-- Level objects: the first line of an object's info text, then what it costs
-- ("Price") and what it gives ("Profit"), which the game writes after them.
setLocale("tree", "Tree\nA worker fells it for wood.")
setLocale("nugget00", "Gold nugget\nDig it out bit by bit for gold.")
setLocale("well00", "Magic well\nIts water gives mana and never runs dry.")
setLocale("field00", "Wheat field\nHarvest it when the ears are golden.")
setLocale("field01", "Tomato patch\nHarvest it when the tomatoes are red.")
setLocale("food", "Food")
setLocale("wood", "Wood")
setLocale("money", "Gold")
setLocale("mana", "Mana")
setLocale("log00", "Fallen logs\nSaw them up to clear the road.")
setLocale("stone00", "Stone\nBreak it up to clear the road.")
setLocale("stone_big00", "Big stone\nBreaking it up takes a while.")
setLocale("bridge00", "Broken bridge\nMend it to cross the water.")
setLocale("bridge01", "Broken bridge\nMend it to cross the water.")
setLocale("bridge_big00", "Broken stone bridge\nMend it to cross the river.")
setLocale("bridge_big01", "Broken stone bridge\nMend it to cross the river.")
setLocale("house00", "House\nEvery house built brings a new worker.")
setLocale("house00_up", "House\nEnlarge it for one more worker.")
setLocale("FinishWork", "Work in progress...")
setLocale("Price", "Price")
setLocale("Profit", "Gain")
setLocale("GameOver_011", "The marked tree was felled before the stone was cleared!")

-- Workers and the prison: a frozen worker's hint, then ": " and the thawing
-- price; a busy worker's (and a taken plant seat's) hint; the prison's info
-- text, and the line that the opening price follows after ":".
setLocale("Unfreeze", "Unfreeze")
setLocale("FreeWorker", "Click to free the worker")
setLocale("prison00", "Prison\nBandits lock captured workers in here.")
setLocale("OpenPrison", "Free the captives")

-- Plants, special buildings, the bonfire, the bell and the altars: the info
-- texts; the line that a seat's hint adds; what is still to pay (":" and the
-- amounts follow); the unit after a running price; the spell names.
setLocale("mill00", "Mill\nGrinds the food delivered to it into more food.")
setLocale("mill00_up", "Mill\nEnlarge it for one more seat and a better yield.")
setLocale("sawmill00", "Sawmill\nSaws the wood delivered to it into more wood.")
setLocale("sawmill00_up", "Sawmill\nEnlarge it for one more seat and a better yield.")
setLocale("goldmill00", "Gold mill\nMints the gold delivered to it into more gold.")
setLocale("goldmill00_up", "Gold mill\nEnlarge it for one more seat and a better yield.")
setLocale("AddWorker", "Click to send a worker in")
setLocale("PriceLeft", "Still to pay")
setLocale("PerSec", "per second")
setLocale("lighthouse00", "Lighthouse\nWorkers build it up bit by bit from your stock.")
setLocale("ruins00", "Ruins\nWorkers restore them bit by bit from your stock.")
setLocale("castle_ice", "Ice castle\nWorkers raise it bit by bit from your stock.")
setLocale("tower_advisor", "Advisor's tower\nWorkers build it up bit by bit from your stock.")
setLocale("source_life_water", "Source of the water of life\nWorkers restore it bit by bit from your stock.")
setLocale("bonfire00", "Bonfire\nA worker keeps it burning; it lights the night and keeps enemies away.")
setLocale("bell00", "Alarm bell\nRing it to call every worker home.")
setLocale("spell_fast_workers", "Quick hands\nThe workers walk and work faster for a while.")
setLocale("spell_fast_food", "Ripe harvest\nThe fields grow faster for a while.")
setLocale("spell_restore_tree", "Green grove\nThe felled trees grow back.")
setLocale("spell_freeze_water", "Deep frost\nThe lakes freeze over for a while.")
setLocale("spell_kill_enemies", "Lightning\nStrikes down the enemies.")
setLocale("spell_shield", "Shield\nGuards the workers from harm for a while.")
setLocale("enemy_spell_kill_workers", "Dark altar\nWhen charged, it strikes at your workers.")
setLocale("enemy_spell_kill_towers", "Dark altar\nWhen charged, it stops your towers.")

-- Level editor.
setLocale("[EditorLayer]", "Layer")
setLocale("[EditorFreeze]", "Freeze")
setLocale("[EditorHide]", "Hide")
setLocale("[EditorClose]", "Close")
setLocale("[EditorObjectTitle]", "Object")
setLocale("[EditorObjectName]", "Name")
setLocale("[EditorObjectTag]", "Tag")
setLocale("[EditorObjectData]", "Data")
setLocale("[EditorLevelName]", "Level name")

-- Comic pages between the chapters, one line under each picture.
local comics = {
  "Long ago, the valley of Kelvara was green and full of song.",
  "Then a cold wind came over the mountains, and the fields fell silent.",
  "The hero and his wife packed their tools and set out to mend the land.",
  "\"Every house we raise,\" she said, \"is a light against the dark.\"",
  "The first villages stand again. But goblins watch from the woods.",
  "\"They will not take what we have built,\" said the hero.",
  "Beyond the river, the old towers of the bandits rise.",
  "The wife reads the stars: the way leads through their land.",
  "At last the castle of ice stands before them.",
  "Its cold magic holds the whole valley in winter.",
  "Together they break the spell, stone by stone.",
  "Spring returns to Kelvara. The valley sings again.",
}
for i, line in ipairs(comics) do
  setLocale("comics_frm" .. (i - 1), line)
end

-- Achievements: the title, then the description under the tile.
local achievements = {
  { "stone_barrier", "Stonebreaker", "Clear a stone barrier." },
  { "wood_barrier", "Woodcutter", "Clear a barrier of logs." },
  { "mana_well", "Spring of Magic", "Draw mana from a well." },
  { "goblin", "Goblin Chaser", "Drive a goblin away." },
  { "finish_well", "Water of Life", "Restore the spring of living water." },
  { "witch", "Witch Hunter", "Defeat the witch." },
  { "tomatoes", "Green Thumb", "Harvest a field of tomatoes." },
  { "wood", "Lumberjack", "Gather a great store of wood." },
  { "money", "Treasurer", "Gather a great store of gold." },
  { "mana", "Mage", "Gather a great store of mana." },
  { "bell", "Alarm!", "Ring the village bell." },
  { "ice_block", "Thaw", "Free a worker from the ice." },
  { "fast_find", "Sharp Eyes", "Find the hidden item quickly." },
  { "less_fire", "Cold Nights", "Win a night level with few fires." },
  { "tank", "Tank Breaker", "Destroy the tank." },
  { "gravik", "Old Friend", "Meet Gravik again." },
  { "advisor", "Good Counsel", "Restore the advisor's tower." },
  { "prison", "Jailbreak", "Open a prison." },
  { "shield", "Shielded", "Protect the village with the shield spell." },
  { "in_love", "In Love", "Break a succubus's charm." },
  { "ruins", "Rebuilder", "Restore the ruins." },
  { "no_tower", "Peacemaker", "Win a level without building a tower." },
  { "succubus", "Heartbreaker", "Defeat the succubus." },
  { "gold_cup", "Gold Collection", "Win every level with a gold cup." },
  { "silver_cup", "Silver Collection", "Win every level with at least a silver cup." },
  { "bronze_cup", "Bronze Collection", "Win every level with at least a bronze cup." },
  { "skeleton", "Bone Collector", "Defeat a skeleton." },
  { "no_mill", "No Mill Needed", "Win a level without building a mill." },
  { "wheat", "Golden Fields", "Harvest a field of wheat." },
  { "no_speed", "Slow and Steady", "Win a level without the speed spell." },
}
for _, entry in ipairs(achievements) do
  setLocale("achieve_" .. entry[1], entry[2])
  setLocale("achieve_" .. entry[1] .. "_d", entry[3])
end
