level { name = "terrain_text", version = 100 }
terrain { text = "os.execute('touch terrain_text_ran')\nreturn {}" }
