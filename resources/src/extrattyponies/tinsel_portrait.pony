$$$
NAME: Tinsel
$$$
$balloon27$
           $\$
     ]P1795202[31m▄▄   ▄▄$\$     ]P1943eff[31m▄]P2fcf8ff[42m▀[49m▄
    ]P14b4cb9[31m▄]P1795202[31m█]P1f0c020[31m]P2ce950e[42m▀]P2795202[42m▄]P14b4cb9[31m▀]P1f0c020[31m▄]P1faedb9[31m]P2ce950e[42m▀]P1795202[31m█[49m ]P1943eff[31m▄]P2f8f0ff[42m▀▀[49m]P14b4cb9[31m▄]P1943eff[31m█]P1fcf8ff[31m]P2e2c9ff[42m▀▄]P1943eff[31m█
 ]P14b4cb9[31m▄▄]P2f0c0f0[42m▀]P1c0c0e0[31m▄]P1795202[31m█]P1ce950e[31m]P2f0c020[42m▀]P1795202[31m▄]P1faedb9[31m]P2c0c0e0[42m▀]P1f0c020[31m]P2795202[42m▀]P2ce950e[42m▄]P1795202[31m█[49m]P1943eff[31m▄]P2ff9db5[42m▀ ]P14b4cb9[31m█]P1943eff[31m█]P1fcf8ff[31m]P2e2c9ff[42m▀▄█]P1943eff[31m█
]P14b4cb9[31m▀]P2f0c0f0[42m▄▄]P2c0c0e0[42m▄]P2f0c0f0[42m▀]P1795202[31m▀▀]P29e9ed4[42m▄]P2ce950e[42m▀]P2c0c0e0[42m▄▀]P24b4cb9[42m▀]P1943eff[31m█]P1ff9db5[31m██]P1943eff[31m]P2f8f0ff[42m▀]P1fcf8ff[31m▀▀]P1e2c9ff[31m▀]P1fcf8ff[31m]P24b4cb9[42m▀]P1943eff[31m]P2f8f0ff[42m▀▀]P2fcf8ff[42m▀[49m▄
  ]P14b4cb9[31m▄▄]P2f0c0f0[42m▀]P1c0c0e0[31m▄█]P2795202[42m▄▄█]P19e9ed4[31m█]P1c0c0e0[31m█]P14b4cb9[31m█]P1dfc2ff[31m█]P1f8f0ff[31m█]P232101d[42m▄▀▀▀▀▀▀█]P2fcf8ff[42m▄]P1943eff[31m█
 ]P14b4cb9[31m█]P2f0c0f0[42m▄▄]P2c0c0e0[42m▄]P1f0c0f0[31m▄]P24b4cb9[42m▄]P1c0c0e0[31m▄▄]P29e9ed4[42m▄▀█]P14b4cb9[31m█]P1dfc2ff[31m█]P1f8f0ff[31m██]P132101d[31m█]P2ffffff[42m▀]P2e04a8a[42m▀▀▀▀█]P1f8f0ff[31m█]P2fcf8ff[42m▀]P1943eff[31m█
    ]P14b4cb9[31m▄]P2f0c0f0[42m▀]P1c0c0e0[31m▄███]P29e9ed4[42m▄▀]P14b4cb9[31m█]P1dfc2ff[31m█]P1f8f0ff[31m██]P132101d[31m█]P1ffffff[31m█]P2e04a8a[42m▀]P132101d[31m██ █]P1f8f0ff[31m█]P1fcf8ff[31m█]P1943eff[31m█
   ]P14b4cb9[31m█]P2f0c0f0[42m▄]P2c0c0e0[42m▄▄]P2f0c0f0[42m▀▀]P2c0c0e0[42m▀]P19e9ed4[31m█]P14b4cb9[31m█]P1dfc2ff[31m█]P1f8f0ff[31m███]P132101d[31m█]P1ffffff[31m█]P1e97faf[31m█]P232101d[42m▄▄]P2ffffff[42m▀]P132101d[31m█]P1f8f0ff[31m██]P2fcf8ff[42m▄]P1943eff[31m█
      ]P14b4cb9[31m▄]P2f0c0f0[42m▀]P1c0c0e0[31m▄]P29e9ed4[42m▀]P14b4cb9[31m▄]P2dfc2ff[42m▀]P1f8f0ff[31m▄████]P232101d[42m▄]P1ff9db5[31m▄▄▄]P1f8f0ff[31m▄]P2943eff[42m▀█▄█ 
    ]P14b4cb9[31m▄]P29e9ed4[42m▀]P1c0c0e0[31m▀]P24b4cb9[42m▀]P19e9ed4[31m]P2f8f0ff[42m▀]P14b4cb9[31m▀    ]P1dfc2ff[31m▄]P1943eff[31m▄▄]P2dfc2ff[42m▄▄▄▄▄[49m]P1dfc2ff[31m▀]P1943eff[31m▀▀▀
   ]P14b4cb9[31m▄█]P19e9ed4[31m]P2dfc2ff[42m▀]P14b4cb9[31m]P2f8f0ff[42m▀     ]P1dfc2ff[31m▀▀██]P1943eff[31m]P2fcf8ff[42m▀[49m▄
  ]P1943eff[31m▄]P2dfc2ff[42m▀]P1f8f0ff[31m▄████████████]P2fcf8ff[42m▄]P1943eff[31m▀[49m▄
