$$$
NAME: Puffseed
$$$
$balloon30$
              $\$
               $\$
       ]P17c6565[31m▄▄]P2fafafa[42m▀▀▀▀[49m▄]P1ffd040[31m▄ ]P1a06c00[31m▄]P2fff8e0[42m▀▀[49m]P1ffd040[31m▄]P17c6565[31m]P2fafafa[42m▀]P2f0f0f0[42m▀[49m▄  ]P1ffd040[31m▄
     ]P17c6565[31m▄]P2fafafa[42m▀]P1f0f0f0[31m▄▄████]P2ffd040[42m▄]P1ffe040[31m▀]P16fc060[31m▄]P1a06c00[31m]P22f8a3c[42m▀]P16fc060[31m▄]P17c6565[31m▀]P1ffd040[31m]P26fc060[42m▀]P2ffe040[42m▄]P26fc060[42m▀]P1cdc8c8[31m]P22f8a3c[42m▀]P16fc060[31m▄[49m]P12f8a3c[31m▄]P1ffd040[31m]P26fc060[42m▀]P2ffe040[42m▄[49m▀
    ]P17c6565[31m█]P1fafafa[31m]P2f0f0f0[42m▀    ]P1cdc8c8[31m▄▄▄ ▄]P12f8a3c[31m]P2a06c00[42m▀]P1ff9db5[31m██]P12f8a3c[31m]P2fff8e0[42m▀]P17c6565[31m▀▀]P1ffd46b[31m▀]P12f8a3c[31m]P27c6565[42m▀]P1fff8e0[31m▄]P2a06c00[42m▄]P1fffbe9[31m▄[49m]P1a06c00[31m▄
   ]P17c6565[31m█]P1f0f0f0[31m███]P2cdc8c8[42m▀]P17c6565[31m▄▄]P2fafafa[42m▀▀▀]P2cdc8c8[42m▄▄]P2ffd46b[42m▀]P1fff8e0[31m▄█]P2151e2d[42m▄▀▀▀▀▀▀█]P2fffbe9[42m▄]P1a06c00[31m█
  ]P17c6565[31m▄]P2f0f0f0[42m▀ ]P1cdc8c8[31m▄]P27c6565[42m▀]P1fafafa[31m▄]P2f0f0f0[42m▀▀   ]P1cdc8c8[31m▄]P17c6565[31m█]P1ffd46b[31m█]P1fff8e0[31m███]P1151e2d[31m█]P2ffffff[42m▀]P25a8ad0[42m▀▀▀▀█]P1fff8e0[31m█]P2fffbe9[42m▀]P1a06c00[31m█
  ]P17c6565[31m█]P1f0f0f0[31m█]P1cdc8c8[31m█]P17c6565[31m█]P1fafafa[31m█]P1f0f0f0[31m████]P2cdc8c8[42m▀ ]P17c6565[31m█]P1ffd46b[31m█]P1fff8e0[31m████]P1151e2d[31m█]P1ffffff[31m█]P25a8ad0[42m▀]P1151e2d[31m██ █]P1fff8e0[31m█]P1fffbe9[31m█]P1a06c00[31m█
 ]P17c6565[31m▄]P2cdc8c8[42m▀ █]P1fafafa[31m█]P1f0f0f0[31m███▀ ]P17c6565[31m▄█]P1ffd46b[31m█]P1fff8e0[31m█████]P1151e2d[31m█]P1ffffff[31m█]P18eb0df[31m█]P2151e2d[42m▄▄]P2ffffff[42m▀]P1151e2d[31m█]P1fff8e0[31m██]P2fffbe9[42m▄]P1a06c00[31m█
 ]P17c6565[31m█]P1cdc8c8[31m█]P17c6565[31m█]P1fafafa[31m█]P1f0f0f0[31m█]P2a06c00[42m▀▀]P1cdc8c8[31m▀]P1fffbe9[31m▄▄▄▄]P1ffd46b[31m▀]P1fff8e0[31m██████]P2151e2d[42m▄]P1ff9db5[31m▄▄▄]P1fff8e0[31m▄]P2a06c00[42m▀█▄█ 
]P17c6565[31m█]P1cdc8c8[31m█]P17c6565[31m█]P1fafafa[31m]P2a06c00[42m▀]P1fffbe9[31m▄]P1fff8e0[31m▄]P2fffbe9[42m▄▄██████]P1a06c00[31m█]P1fff8e0[31m██]P2ffd46b[42m▀]P2a06c00[42m▀▀]P1ffd46b[31m▀▀▀▀▀[49m▀]P1a06c00[31m▀▀▀
]P17c6565[31m█]P2fafafa[42m▀]P1a06c00[31m█]P1ffd46b[31m█]P1fff8e0[31m██]P2a06c00[42m▀]P1ffd46b[31m█]P1fff8e0[31m███▀]P1ffd46b[31m█]P1fff8e0[31m█ ]P2ffd46b[42m▄▄  ]P1a06c00[31m]P2fffbe9[42m▀[49m▄
]P17c6565[31m█]P1f0f0f0[31m]P2cdc8c8[42m▀]P17c6565[31m▄[49m]P1a06c00[31m▀▀█]P27c6565[42m▀]P1ffd46b[31m▀]P1a06c00[31m]P2fff8e0[42m▀▀▀▀]P1ffd46b[31m▀]P1a06c00[31m▀      ]P1fffbe9[31m▀]P2a06c00[42m▄[49m]P1a06c00[31m▄
