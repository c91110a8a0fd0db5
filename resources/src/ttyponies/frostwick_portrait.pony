$$$
NAME: Frostwick
$$$
$balloon30$
              $\$
               $\$     ]P1008dec[31m▄]P2f4fcff[42m▀[49m▄
       ]P1125aa6[31m▄▄]P29bccee[42m▀▀▀▀[49m▄▄ ]P1008dec[31m▄]P2e8f8ff[42m▀▀[49m]P1125aa6[31m▄]P1008dec[31m█]P1f4fcff[31m]P2b2e2ff[42m▀▄]P1008dec[31m█
     ]P1125aa6[31m▄]P29bccee[42m▀]P17ab8e8[31m▄▄██████]P1125aa6[31m]P2008dec[42m▀]P1ff9db5[31m▄█]P1125aa6[31m█ ]P1f4fcff[31m]P2b2e2ff[42m▀▄█]P1008dec[31m█[49m]P1125aa6[31m▄▄
    ]P1125aa6[31m█]P19bccee[31m]P27ab8e8[42m▀    ]P1539de7[31m▄▄▄ ▄]P1008dec[31m█]P1ff9db5[31m██]P1008dec[31m]P2e8f8ff[42m▀]P1f4fcff[31m▀]P2125aa6[42m▀]P1b2e2ff[31m▀]P1f4fcff[31m]P2539de7[42m▀]P1008dec[31m▀]P19bccee[31m]P27ab8e8[42m▀]P2539de7[42m▀]P1125aa6[31m█
   ]P1125aa6[31m█]P17ab8e8[31m███]P2539de7[42m▀]P1125aa6[31m▄▄]P29bccee[42m▀▀▀]P2539de7[42m▄▄]P2a8dfff[42m▀]P1e8f8ff[31m▄█]P20d1320[42m▄▀▀▀▀▀▀█]P2f4fcff[42m▄]P1008dec[31m█
  ]P1125aa6[31m▄]P27ab8e8[42m▀ ]P1539de7[31m▄]P2125aa6[42m▀]P19bccee[31m▄]P27ab8e8[42m▀▀   ]P1539de7[31m▄]P1125aa6[31m█]P1a8dfff[31m█]P1e8f8ff[31m███]P10d1320[31m█]P2ffffff[42m▀]P22a5ab0[42m▀▀▀▀█]P1e8f8ff[31m█]P2f4fcff[42m▀]P1008dec[31m█
  ]P1125aa6[31m█]P17ab8e8[31m█]P1539de7[31m█]P1125aa6[31m█]P19bccee[31m█]P17ab8e8[31m████]P2539de7[42m▀ ]P1125aa6[31m█]P1a8dfff[31m█]P1e8f8ff[31m████]P10d1320[31m█]P1ffffff[31m█]P22a5ab0[42m▀]P10d1320[31m██ █]P1e8f8ff[31m█]P1f4fcff[31m█]P1008dec[31m█
 ]P1125aa6[31m▄]P2539de7[42m▀ █]P19bccee[31m█]P17ab8e8[31m███▀ ]P1125aa6[31m▄█]P1a8dfff[31m█]P1e8f8ff[31m█████]P10d1320[31m█]P1ffffff[31m█]P13e75d1[31m█]P20d1320[42m▄▄]P2ffffff[42m▀]P10d1320[31m█]P1e8f8ff[31m██]P2f4fcff[42m▄]P1008dec[31m█
 ]P1125aa6[31m█]P1539de7[31m█]P1125aa6[31m█]P19bccee[31m█]P17ab8e8[31m██]P2539de7[42m▀]P1125aa6[31m▄]P29bccee[42m▀]P17ab8e8[31m▄]P1125aa6[31m█]P1a8dfff[31m█]P2e8f8ff[42m▀      ]P10d1320[31m▀]P2ff9db5[42m▀▀▀]P2e8f8ff[42m▀]P1008dec[31m▄ ▀ █
]P1125aa6[31m█]P1539de7[31m█]P1125aa6[31m█]P19bccee[31m█]P17ab8e8[31m█]P2539de7[42m▀]P1125aa6[31m▄]P29bccee[42m▀]P17ab8e8[31m▄█]P2539de7[42m▀]P1125aa6[31m█]P1e8f8ff[31m█████]P2a8dfff[42m▀]P2008dec[42m▀▀]P1a8dfff[31m▀▀▀▀▀[49m▀]P1008dec[31m▀▀▀
]P1125aa6[31m█]P29bccee[42m▀]P17ab8e8[31m▄]P2539de7[42m▀]P1125aa6[31m▄]P29bccee[42m▀]P17ab8e8[31m▄█]P2539de7[42m▀]P1125aa6[31m▄]P2e8f8ff[42m▀    ]P1a8dfff[31m▀▀██]P1008dec[31m]P2f4fcff[42m▀[49m▄
]P1125aa6[31m█]P17ab8e8[31m]P2539de7[42m▀]P1125aa6[31m▄[49m▀ ]P2008dec[42m▀]P2539de7[42m▄▄]P2e8f8ff[42m▀           ]P1f4fcff[31m▀]P2008dec[42m▄[49m]P1008dec[31m▄
