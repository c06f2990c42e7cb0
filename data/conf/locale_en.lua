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
setLocale("GameOver_WorkersBlocked", "Every worker is trapped, and there is not enough mana to free them!")
setLocale("GameOver_009", "The dark altar's spell took every worker!")
setLocale("GameOver_011", "The marked tree was felled before the stone was cleared!")

-- Refused orders, shown at the clicked object ("NeedMore" is followed by ": " and
-- the missing amounts).
setLocale("PathIsBlocked", "The way there is blocked")
setLocale("NeedMore", "Not enough")
setLocale("NoHero", "Only a hero can fight this foe")

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
-- Towers: the player's tower (built, then upgraded) and the enemy's.
setLocale("tower00", "Tower\nFires cannonballs at enemies in its range.")
setLocale("tower00_up", "Tower\nUpgrade it to hit harder and reload faster.")
setLocale("tower_enemy00", "Enemy tower\nIt fires at workers who come near.")

-- Level tasks (the task panel) and the opening talk of each level.
setLocale("Population_5", "Have 5 workers")
setLocale("Population_6", "Have 6 workers")
setLocale("Population_7", "Have 7 workers")
setLocale("Population_8", "Have 8 workers")
setLocale("Population_9", "Have 9 workers")
setLocale("Food_200", "Gather 200 food")
setLocale("Food_250", "Gather 250 food")
setLocale("Food_300", "Gather 300 food")
setLocale("Wood_200", "Gather 200 wood")
setLocale("Wood_250", "Gather 250 wood")
setLocale("Wood_300", "Gather 300 wood")
setLocale("Wood_400", "Gather 400 wood")
setLocale("Wood_1000", "Gather 1000 wood")
setLocale("Money_200", "Earn 200 gold")
setLocale("Money_250", "Earn 250 gold")
setLocale("Money_300", "Earn 300 gold")
setLocale("Money_400", "Earn 400 gold")
setLocale("Money_500", "Earn 500 gold")
setLocale("Mana_200", "Gather 200 mana")
setLocale("Mana_300", "Gather 300 mana")
setLocale("Mana_400", "Gather 400 mana")
setLocale("Tower00_2", "Build 2 towers")
setLocale("House00_6", "Build 6 houses")
setLocale("Lighthouse00_1", "Build the lighthouse")
setLocale("KeyAltar00_1", "Restore the key altar")
setLocale("CastleIce_1", "Take Gravik's ice castle")
setLocale("TowerAdvisor_1", "Finish the right advisor tower")
setLocale("SourceLifeWater00_1", "Restore the source of living water")
setLocale("Talk000_0", "At last, a valley of our own. Let's build a home here.")
setLocale("Talk000_1", "Then we'll need hands. Six workers should get us started.")
setLocale("Talk000_2", "Six it is. I'll send word to the villages.")
setLocale("Talk001_0", "Goblins were seen at the edge of the woods last night.")
setLocale("Talk001_1", "In this rain they could creep right up to the houses.")
setLocale("Talk001_2", "Two towers would keep watch over the paths.")
setLocale("Talk001_3", "And five workers to tend the fields while you build them.")
setLocale("Talk001_4", "Towers first. Nobody sleeps until they stand.")
setLocale("Talk002_0", "The traders want to see coin before they visit us.")
setLocale("Talk002_1", "Then we mine gold and gather folk: five workers, 250 coins.")
setLocale("Talk003_0", "The goblins here are lazy, but they still steal.")
setLocale("Talk003_1", "Lazy goblins are slow goblins. We'll outwork them.")
setLocale("Talk003_2", "Six workers, full granaries and a purse of gold, then.")
setLocale("Talk004_0", "Not a single log in the store, my love.")
setLocale("Talk004_1", "Then the axes go out first. There are trees enough here.")
setLocale("Talk004_2", "Eight workers by sundown, and not one goblin in the fields.")
setLocale("Talk005_0", "Smoke over the hills: the enemy camp is waking.")
setLocale("Talk005_1", "We grow faster than they march. Seven workers, food and gold!")
setLocale("Talk006_0", "A trader, this far from the road?")
setLocale("Talk006_1", "Where there is mana there is business, friend.")
setLocale("Talk006_2", "We have mana to spare, but the nights here are long.")
setLocale("Talk006_3", "Then light your fires and keep your coin close. I buy what you sell.")
setLocale("Talk006_4", "Seven workers and 200 coins before the dark comes for good.")
setLocale("Talk007_0", "The whole village is asking for new roofs.")
setLocale("Talk007_1", "A thousand logs? We'll need every axe we own.")
setLocale("Talk007_2", "And seven pairs of hands to swing them.")
setLocale("Talk008_0", "Ships run onto the rocks in this weather.")
setLocale("Talk008_1", "A lighthouse will guide them, if the bandits let us build it.")
setLocale("Talk009_0", "The river has flooded the lower fields.")
setLocale("Talk009_1", "Then we build higher and gather the scattered families.")
setLocale("Talk009_2", "Six workers, and dry feet for all of them.")
setLocale("Talk009_3", "Dry feet I can't promise. The six I can.")
setLocale("Talk010_0", "Our cellars are full, but the snow keeps folk away.")
setLocale("Talk010_1", "Full bellies will bring them. Seven workers before the thaw.")
setLocale("Talk011_0", "Those ruins on the hill were once an altar.")
setLocale("Talk011_1", "The old stories say its key opened the valley gates.")
setLocale("Talk011_2", "Rebuild it and the gold will follow: 250 coins at least.")
setLocale("Talk011_3", "Ruins and riches. My favourite kind of day.")
setLocale("Talk012_0", "Wood, friend. The towns downriver pay well for timber.")
setLocale("Talk012_1", "There's an enemy camp on the ridge. Timber won't stop arrows.")
setLocale("Talk012_2", "Four hundred logs will buy you walls, and six workers to build them.")
setLocale("Talk012_3", "Deal. Keep your wagons ready.")
setLocale("Talk013_0", "Families are sleeping under the carts.")
setLocale("Talk013_1", "Six houses, then, and wood to spare for the winter.")
setLocale("Talk014_0", "Food enough for an army, and not a drop of mana.")
setLocale("Talk014_1", "The old well still shimmers. Let's draw from it.")
setLocale("Talk014_2", "Seven workers and 200 mana. The feast can wait.")
setLocale("Talk015_0", "The nights are cold and the spirits grow restless.")
setLocale("Talk015_1", "Mana keeps the dark away. Gather 300, and seven workers to tend the fires.")
setLocale("Talk016_0", "Who goes there, wrapped in frost?")
setLocale("Talk016_1", "Gravik, lord of the ice castle. This valley pays me tribute.")
setLocale("Talk016_2", "This valley pays no one. Seven workers and 300 coins of our own say so.")
setLocale("Talk017_0", "The granaries overflow. Time to turn bread into gold.")
setLocale("Talk017_1", "Five hundred coins. Sell wisely, my love.")
setLocale("Talk018_0", "Tomatoes grow like weeds in this sun.")
setLocale("Talk018_1", "Then we sell them by the cartload: 400 coins.")
setLocale("Talk018_2", "And eight workers to pick them before they rot.")
setLocale("Talk019_0", "A cold winter, friend. Firewood is worth its weight in silver.")
setLocale("Talk019_1", "Three hundred logs, and eight workers to chop them?")
setLocale("Talk019_2", "You learn fast. I'll be back when the snow melts.")
setLocale("Talk020_0", "There's an iron machine on the hill, turning its gun toward us.")
setLocale("Talk020_1", "It turns slowly. We can slip past while it looks away.")
setLocale("Talk020_2", "Slowly is still dangerous. Keep the workers in cover.")
setLocale("Talk020_3", "Seven of them, safe and busy. I promise.")
setLocale("Talk021_0", "When night falls, the boats can't find the harbour.")
setLocale("Talk021_1", "A lighthouse, then, and eight workers to keep it burning.")
setLocale("Talk022_0", "Gravik's ice castle stands over the pass.")
setLocale("Talk022_1", "He hides behind his frozen walls and laughs at us.")
setLocale("Talk022_2", "Then we'll take the castle for ourselves.")
setLocale("Talk022_3", "Eat well before you go. We have food enough.")
setLocale("Talk022_4", "Warm bellies, cold castle. Let's go.")
setLocale("Talk023_0", "Three advisor towers, and only one of them speaks the truth.")
setLocale("Talk023_1", "How do we know which one?")
setLocale("Talk023_2", "We don't. Finish one and hope it's the right one.")
setLocale("Talk023_3", "Then I'll choose carefully, and build quickly.")
setLocale("Talk024_0", "The bandits here are slow and fat from stolen bread.")
setLocale("Talk024_1", "Good. A lighthouse and 300 coins before they wake.")
setLocale("Talk025_0", "I need food, wood and gold. Two hundred and fifty of each.")
setLocale("Talk025_1", "With quick bandits on every road? That's a tall order.")
setLocale("Talk025_2", "Which is why I pay so well, friend.")
setLocale("Talk026_0", "Word of our valley has spread far.")
setLocale("Talk026_1", "Then let them come. We have room for nine workers.")
setLocale("Talk026_2", "Nine mouths. I'll start baking.")
setLocale("Talk027_0", "No dawn here, only the enemy's fires. Food, mana and seven workers, and we hold.")
setLocale("Talk028_0", "You again! What brings you through the snow?")
setLocale("Talk028_1", "Business, as always. Your food for my silver.")
setLocale("Talk028_2", "We need timber and coin: 300 of each.")
setLocale("Talk028_3", "Then we'll both be warm this winter.")
setLocale("Talk029_0", "The goblins gnaw at our trees day and night.")
setLocale("Talk029_1", "Slowly, though. We'll cut them before they do.")
setLocale("Talk029_2", "Three hundred logs and six workers to carry them.")
setLocale("Talk029_3", "Axes ready!")
setLocale("Talk030_0", "Another ruined altar, deep in bandit land.")
setLocale("Talk030_1", "These bandits run faster than any I've seen.")
setLocale("Talk030_2", "Then run faster. We have mana if you need it.")
setLocale("Talk030_3", "The altar will stand again. I'll be home for supper.")
setLocale("Talk031_0", "The storm has put out the old harbour light.")
setLocale("Talk031_1", "We'll raise a new lighthouse, storm or no storm.")
setLocale("Talk031_2", "Mind the rocks. I want you back dry.")
setLocale("Talk032_0", "Long nights and thin walls. We need mana and timber.")
setLocale("Talk032_1", "Four hundred mana, two hundred logs, six workers. Let's begin.")
setLocale("Talk033_0", "A quiet valley at last.")
setLocale("Talk033_1", "Quiet valleys fill up quickly. Eight workers, I'd wager.")
setLocale("Talk033_2", "Then let's make them welcome.")
setLocale("Talk034_0", "Gravik! I thought you had melted.")
setLocale("Talk034_1", "The source of living water is mine. Touch it and freeze.")
setLocale("Talk034_2", "We'll restore the source and fill our stores with 400 mana. Freeze if you like.")
setLocale("Talk035_0", "The nights grow longer with every day.")
setLocale("Talk035_1", "Mana will light our way: 200 of it.")
setLocale("Talk035_2", "And seven workers to keep the lamps lit.")
setLocale("Talk036_0", "Rain again. The children are bored.")
setLocale("Talk036_1", "Then put them to work. We need six workers.")
setLocale("Talk036_2", "Children aren't workers, my love.")
setLocale("Talk036_3", "Then bring their parents, and 200 coins.")
setLocale("Talk036_4", "That I can do.")
setLocale("Talk037_0", "The snow buried the road to the market.")
setLocale("Talk037_1", "Dig it out. Two hundred coins and six workers will see us through.")
setLocale("Talk038_0", "A trader at our door in the middle of the feast!")
setLocale("Talk038_1", "Your harbour is dark, my lady. My ships won't come without a light.")
setLocale("Talk038_2", "Then we'll build one, and nine workers will guard it.")
setLocale("Talk039_0", "You have beaten my frost, my camps and my castle.")
setLocale("Talk039_1", "And now we live in peace. Seven workers and 300 coins to prove it.")

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

-- Tutorial hints: what the framed text beside an object or a control asks the
-- player to do.
setLocale("Train000TakeTree", "Click the tree: a worker will fell it for wood.")
setLocale("Train000RepairBridge0", "The bridge is broken. Click it to send a worker to repair it.")
setLocale("Train000PanelTask", "Your tasks for this level are listed here. Point at one to read it.")
setLocale("Train000LevelTime", "This bar shows the time. Finish the tasks in time for a better cup.")
setLocale("Train000TakeField", "The field is ripe. Click it to bring in the harvest.")
setLocale("Train000RepairBridge1", "Repair this bridge too: click it.")
setLocale("Train000RemoveBarrier", "Logs block the way. Click them to clear the path.")
setLocale("Train000UseAltar", "Click the altar: your wife will go there to cast its spell.")
setLocale("Train000BuildHouse", "Click the house site to build a house. Each house brings a new worker.")
setLocale("Train000Targets", "Click several things one after another: the workers take the orders in turn.")
setLocale("Train000RightClick", "Right-click anywhere to call back the workers on their way.")
setLocale("Train037AddWorker", "Click the mill to seat a worker in it. Seated workers make food.")
setLocale("Train037AddedWorker", "The worker now works in the mill and makes food for you.")
setLocale("Train037FreeWorker", "Need the worker elsewhere? Click the worker's seat in the mill to free it.")
setLocale("Train037FreedWorker", "The worker is free again and takes your orders.")
setLocale("Train037KillWitch", "A witch! Click her to send the hero after her before she freezes your workers.")
setLocale("Train037KilledWitch", "Frozen workers cannot move. Click one to send your wife to thaw it.")
setLocale("Train035NightTimer", "This dial shows when night falls. Enemies come out in the dark.")
setLocale("Train035BonfireInfo", "Bonfires keep enemies away at night. Keep them burning.")
setLocale("Train035Bonfire", "Night has come. Click the bonfire to light it.")
setLocale("Train035BonfireStew0", "Day is here. Click the bonfire to put it out and save wood.")
setLocale("Train035BonfireStew1", "Put out this bonfire as well: click it.")
setLocale("Train010Achieve0", "Click the stone to have it cleared away: it earns you an achievement.")
setLocale("Train010Achieve1", "Well done! Look at your achievements from the main menu.")
setLocale("Train009AltarEnemyInfo", "The enemy altar casts spells on your workers. Hurry with your tasks.")
setLocale("Train009AltarInfo", "Use this altar to cast your own spells.")
setLocale("Train009BellInfo", "The freeze is ending. Click the bell to call your workers to safety.")
setLocale("Train009UpgradeHouse", "Click the house again to upgrade it.")
setLocale("Train011SaveWorker", "A goblin is stealing! Click it to send the hero and save your worker.")
setLocale("Train011AddWorker", "Click the key altar to send more workers to it.")
setLocale("Train011FreeWorker", "Click a worker at the key altar to call it off.")
setLocale("Train001BuildTower", "Click the tower site to build a tower that guards your workers.")
setLocale("Train003GoblinInfo", "Goblins steal wood and gold. Click the goblin to chase it off with the hero.")
setLocale("Train029GoblinInfo", "A goblin is at work. Click it to send the hero before it runs home.")
setLocale("Train020TankInfo", "The tank stuns workers it hits. Keep your workers out of its aim.")
setLocale("Train020BellInfo", "Click the bell to call your workers home when the tank aims at them.")
setLocale("Train032AltarEnemyInfo", "The enemy altar is charging a spell. Finish your tasks before it strikes.")
setLocale("Train036SuccubInfo", "The succubus charms workers. Click her to send the hero after her.")
setLocale("Train036AltarInfo", "Cast a spell from this altar to protect your workers.")
setLocale("Train021LighthouseInfo", "Click the lighthouse to repair it; it lights the way for your workers.")
setLocale("Train019TowerEnemyInfo", "The enemy tower shoots at your workers. Keep them out of its reach.")
setLocale("Train019AltarInfo", "Use this altar's spell against the enemy tower.")
setLocale("Train025BanditInfo", "A bandit catches workers. Click him to send the hero after him.")
setLocale("Train025PrisonInfo", "Captured workers end up in the prison. Click it to send your wife to free them.")
